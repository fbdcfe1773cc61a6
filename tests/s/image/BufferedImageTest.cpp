#include <doctest/doctest.h>

#include <cstdint>
#include <cstring>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::image::win::BufferedImage;

namespace {

std::uint32_t pixel(const BufferedImage& image, int r, int c) {
  std::uint32_t value;
  std::memcpy(&value, image.row(r) + c * 4, 4);
  return value;
}

void setPixel(BufferedImage& image, int r, int c, std::uint32_t value) {
  std::memcpy(image.row(r) + c * 4, &value, 4);
}

// Every pixel distinct: row in the high half, column in the low half.
Owned<BufferedImage> numbered(int width, int height) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(width, height));
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) setPixel(*image, r, c, (r + 1) << 16 | (c + 1));
  }
  return image;
}

}  // namespace

TEST_CASE("create gives the sizes of a top-down 32-bit picture over a bottom-up surface") {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(3, 2));
  CHECK(image->byteCount() == 24);
  CHECK(image->stride() == 12);
  CHECK(image->pixelCount() == 6);
  CHECK(image->capacityWidth() == 3);
  CHECK(image->capacityHeight() == 2);
  // Row 0 is the top row: it sits last in the bottom-up memory.
  CHECK(image->row(0) == image->row(1) + 12);
  CHECK(pixel(*image, 1, 2) == 0);

  CHECK_FALSE(image->create(0, 5));
  CHECK(image->width() == 0);
  CHECK(image->capacityWidth() == 0);
}

TEST_CASE("ensure capacity keeps a surface that is large enough and copies rows otherwise") {
  Owned<BufferedImage> image = numbered(4, 3);
  const std::uint8_t* surface = image->row(0);
  REQUIRE(image->ensureCapacity(2, 2));
  CHECK(image->row(0) == surface);
  CHECK(image->width() == 4);

  REQUIRE(image->ensureCapacity(6, 5));
  CHECK(image->capacityWidth() == 6);
  CHECK(image->capacityHeight() == 5);
  CHECK(image->width() == 6);
  CHECK(pixel(*image, 0, 0) == (1u << 16 | 1));
  CHECK(pixel(*image, 2, 3) == (3u << 16 | 4));
  CHECK(pixel(*image, 4, 5) == 0);
}

TEST_CASE("grow to at least multiplies each short side of the capacity by 1.2") {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(100, 50));
  REQUIRE(s::image::win::growToAtLeast(*image, 150, 40));
  CHECK(image->capacityWidth() == 172);  // 100 -> 120 -> 144 -> 172.8
  CHECK(image->capacityHeight() == 50);  // already enough

  Owned<BufferedImage> empty = s::thread::obtain<BufferedImage>();
  REQUIRE(s::image::win::growToAtLeast(*empty, 7, 9));
  CHECK(empty->capacityWidth() == 7);
  CHECK(empty->capacityHeight() == 9);
}

TEST_CASE("make colour transparent keys exactly one colour") {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(2, 2));
  setPixel(*image, 0, 0, 0x00102030);  // red 0x10, green 0x20, blue 0x30
  setPixel(*image, 0, 1, 0x00102031);
  setPixel(*image, 1, 0, 0x7F102030);
  setPixel(*image, 1, 1, 0x00000000);

  s::image::win::makeColourTransparent(*image, 0x55, 0x55, 0x55);
  CHECK_FALSE(image->alphaInUse());
  for (int i = 0; i < 4; ++i) CHECK(image->row(i / 2)[(i % 2) * 4 + 3] == 255);

  s::image::win::makeColourTransparent(*image, 0x10, 0x20, 0x30);
  CHECK(image->alphaInUse());
  CHECK(pixel(*image, 0, 0) == 0x00102030);
  CHECK(pixel(*image, 0, 1) == 0xFF102031);
  CHECK(pixel(*image, 1, 0) == 0x00102030);
  CHECK(pixel(*image, 1, 1) == 0xFF000000);

  s::image::win::makeOpaque(*image);
  CHECK_FALSE(image->alphaInUse());
  CHECK(pixel(*image, 0, 0) == 0xFF102030);
}

TEST_CASE("turns and mirrors of a non-square picture") {
  Owned<BufferedImage> source = numbered(3, 2);  // 2 rows of 3
  source->setAlphaInUse(true);
  auto at = [](int r, int c) { return static_cast<std::uint32_t>((r + 1) << 16 | (c + 1)); };

  struct Case {
    const char* name;
    BufferedImage* (BufferedImage::*turn)(BufferedImage*) const;
    int width, height;
    // Source (row, column) of target (i, j).
    int (*sourceRow)(int i, int j);
    int (*sourceColumn)(int i, int j);
  };
  const Case cases[] = {
      {"clockwise", &BufferedImage::rotateClockwise, 2, 3, [](int, int j) { return 1 - j; },
       [](int i, int) { return i; }},
      {"counter-clockwise", &BufferedImage::rotateCounterClockwise, 2, 3,
       [](int, int j) { return j; }, [](int i, int) { return 2 - i; }},
      {"half turn", &BufferedImage::rotate180, 3, 2, [](int i, int) { return 1 - i; },
       [](int, int j) { return 2 - j; }},
      {"mirror horizontally", &BufferedImage::mirrorHorizontal, 3, 2, [](int i, int) { return i; },
       [](int, int j) { return 2 - j; }},
      {"mirror vertically", &BufferedImage::mirrorVertical, 3, 2, [](int i, int) { return 1 - i; },
       [](int, int j) { return j; }},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    Owned<BufferedImage> turned((source.get()->*c.turn)(nullptr));
    REQUIRE(turned->width() == c.width);
    REQUIRE(turned->height() == c.height);
    CHECK(turned->alphaInUse());
    for (int i = 0; i < c.height; ++i) {
      for (int j = 0; j < c.width; ++j) {
        CHECK(pixel(*turned, i, j) == at(c.sourceRow(i, j), c.sourceColumn(i, j)));
      }
    }
    // Into a given target that is too small and has another shape.
    Owned<BufferedImage> target = numbered(1, 1);
    CHECK((source.get()->*c.turn)(target.get()) == target.get());
    REQUIRE(target->width() == c.width);
    REQUIRE(target->height() == c.height);
    CHECK(pixel(*target, c.height - 1, c.width - 1) ==
          at(c.sourceRow(c.height - 1, c.width - 1), c.sourceColumn(c.height - 1, c.width - 1)));
  }
}

TEST_CASE("copy into clips at both images' edges") {
  Owned<BufferedImage> source = numbered(4, 4);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  REQUIRE(target->create(3, 3));
  // Starts above-left of the target and runs past the source's right edge.
  source->copyInto(*target, -1, 1, 2, 0, 5, 5, false);
  CHECK(pixel(*target, 0, 0) == 0);
  CHECK(pixel(*target, 1, 0) == (1u << 16 | 4));  // source (0, 3)
  CHECK(pixel(*target, 1, 1) == 0);               // beyond the source's width
  CHECK(pixel(*target, 2, 0) == (2u << 16 | 4));
  source->copyInto(*target, 5, 5, 0, 0, 2, 2, false);  // entirely outside: nothing
  CHECK(pixel(*target, 2, 2) == 0);
}

TEST_CASE("scaled version keeps the ratio and caches the copy") {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(700, 230));
  BufferedImage* scaled = s::image::win::scaledVersion(*image, 200, 200, true);
  REQUIRE(scaled != nullptr);
  CHECK(scaled->width() == 200);
  CHECK(scaled->height() == 65);
  CHECK(s::image::win::scaledVersion(*image, 200, 65, false) == scaled);
  CHECK(s::image::win::scaledVersion(*image, 700, 230, false) == image.get());

  Owned<BufferedImage> upright = s::thread::obtain<BufferedImage>();
  REQUIRE(upright->create(230, 700));
  BufferedImage* narrow = s::image::win::scaledVersion(*upright, 200, 200, true);
  CHECK(narrow->width() == 65);
  CHECK(narrow->height() == 200);
}

TEST_CASE("a refused surface leaves the picture as it was") {
  Owned<BufferedImage> image = numbered(3, 2);
  const std::uint8_t* surface = image->row(0);
  // Far beyond what a bitmap may hold.
  CHECK_FALSE(image->ensureCapacity(1 << 20, 1 << 20));
  CHECK(image->width() == 3);
  CHECK(image->capacityHeight() == 2);
  CHECK(image->row(0) == surface);
  CHECK(pixel(*image, 1, 2) == (2u << 16 | 3));

  // One row longer than any bitmap may hold.
  Owned<BufferedImage> wide = s::thread::obtain<BufferedImage>();
  CHECK_FALSE(wide->create(1 << 27, 1));
  CHECK(wide->width() == 0);
}
