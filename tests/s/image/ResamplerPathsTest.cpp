#include <doctest/doctest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/filters/scale/Resampler.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::image::filters::scale::Resampler;
using s::image::win::BufferedImage;

namespace {

struct Random {
  std::uint32_t seed;
  std::uint32_t next() {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  }
  std::int32_t below(std::int32_t limit) { return static_cast<std::int32_t>(next() % limit); }
};

// Random pixels; with extremes, every channel is 0 or 255, which puts the sums at their
// largest and their rounding at its edges.
Owned<BufferedImage> picture(std::int32_t width, std::int32_t height, Random& random,
                             bool extremes) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(width, height));
  for (std::int32_t r = 0; r < height; ++r) {
    for (std::int32_t c = 0; c < width * 4; ++c) {
      const auto value = static_cast<std::uint8_t>(random.next());
      image->row(r)[c] = extremes ? (value & 1 ? 255 : 0) : value;
    }
  }
  return image;
}

// The first differing byte as "row r, byte b", or "" when the images are the same.
std::string firstDifference(const BufferedImage& a, const BufferedImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) return "sizes";
  for (std::int32_t r = 0; r < a.height(); ++r) {
    for (std::int32_t x = 0; x < a.width() * 4; ++x) {
      if (a.row(r)[x] != b.row(r)[x]) {
        return "row " + std::to_string(r) + ", byte " + std::to_string(x);
      }
    }
  }
  return "";
}

// Scales on both paths and tells where they differ.
std::string pathsDiffer(const BufferedImage& source, std::int32_t width, std::int32_t height) {
  Owned<BufferedImage> plain = s::thread::obtain<BufferedImage>();
  Owned<BufferedImage> fast = s::thread::obtain<BufferedImage>();
  REQUIRE(Resampler::scaleOn(Resampler::Path::kPlain, source, *plain, width, height));
  REQUIRE(Resampler::scaleOn(Resampler::Path::kSse2, source, *fast, width, height));
  return firstDifference(*plain, *fast);
}

}  // namespace

TEST_CASE("the SSE2 path is there on every x86 processor these tests run on") {
  CHECK(Resampler::hasPath(Resampler::Path::kPlain));
#if defined(__i386__) || defined(__x86_64__)
  CHECK(Resampler::hasPath(Resampler::Path::kSse2));
#else
  CHECK_FALSE(Resampler::hasPath(Resampler::Path::kSse2));
#endif
}

TEST_CASE("the SSE2 path gives the plain path's bytes for every size from 1 to 64 each way") {
  if (!Resampler::hasPath(Resampler::Path::kSse2)) return;
  Random random{2024};
  // Lines of 1 to 64 pixels resized to 1 to 64 pixels, across (3 rows kept) and down (3
  // columns kept), so that each pass meets every shape of its table.
  for (bool extremes : {false, true}) {
    for (std::int32_t from = 1; from <= 64; ++from) {
      Owned<BufferedImage> across = picture(from, 3, random, extremes);
      Owned<BufferedImage> down = picture(3, from, random, extremes);
      for (std::int32_t to = 1; to <= 64; ++to) {
        CAPTURE(extremes);
        CAPTURE(from);
        CAPTURE(to);
        CHECK(pathsDiffer(*across, to, 3) == "");
        CHECK(pathsDiffer(*down, 3, to) == "");
      }
    }
  }
}

TEST_CASE("the SSE2 path gives the plain path's bytes on random pictures and sizes") {
  if (!Resampler::hasPath(Resampler::Path::kSse2)) return;
  Random random{77};
  for (int i = 0; i < 150; ++i) {
    const std::int32_t sourceWidth = 1 + random.below(300);
    const std::int32_t sourceHeight = 1 + random.below(120);
    // Mostly shrinking (as the program does), some enlarging, now and then a large factor.
    const std::int32_t width = i % 10 == 0 ? 1 + random.below(3) : 1 + random.below(400);
    const std::int32_t height = i % 7 == 0 ? 1 + random.below(3) : 1 + random.below(160);
    Owned<BufferedImage> source = picture(sourceWidth, sourceHeight, random, i % 4 == 0);
    CAPTURE(sourceWidth);
    CAPTURE(sourceHeight);
    CAPTURE(width);
    CAPTURE(height);
    CHECK(pathsDiffer(*source, width, height) == "");
  }
  // The program's pictures to the sizes it shows them at.
  Owned<BufferedImage> banner = picture(700, 230, random, false);
  CHECK(pathsDiffer(*banner, 340, 111) == "");
  Owned<BufferedImage> upright = picture(230, 700, random, false);
  CHECK(pathsDiffer(*upright, 64, 195) == "");
}
