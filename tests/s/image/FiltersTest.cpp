#include <doctest/doctest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/filters/convolution/Convolution.h"
#include "s/image/filters/scale/BilinearFilter.h"
#include "s/image/filters/scale/Contribution.h"
#include "s/image/filters/scale/Resampler.h"
#include "s/image/filters/sharpness/Sharpness.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::image::filters::convolution::Convolution;
using s::image::filters::scale::BilinearFilter;
using s::image::filters::scale::Contribution;
using s::image::filters::scale::Resampler;
using s::image::filters::sharpness::Sharpness;
using s::image::win::BufferedImage;

namespace {

// Pseudo-random pixels, the same for every run.
Owned<BufferedImage> noise(int width, int height, std::uint32_t seed) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(width, height));
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width * 4; ++c) {
      seed = seed * 1103515245u + 12345u;
      image->row(r)[c] = static_cast<std::uint8_t>(seed >> 16);
    }
  }
  return image;
}

bool samePixels(const BufferedImage& a, const BufferedImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int r = 0; r < a.height(); ++r) {
    if (std::memcmp(a.row(r), b.row(r), static_cast<std::size_t>(a.width()) * 4) != 0) {
      return false;
    }
  }
  return true;
}

std::vector<std::int32_t> weightsOf(const Contribution& table, int i) {
  return std::vector<std::int32_t>(table.weights(i),
                                   table.weights(i) + table.last(i) - table.first(i) + 1);
}

}  // namespace

TEST_CASE("the triangle kernel and its width") {
  BilinearFilter filter;
  CHECK(filter.width() == 1.0);
  CHECK(filter.value(0.25) == doctest::Approx(0.75));
  CHECK(filter.value(-0.5) == doctest::Approx(0.5));
  CHECK(filter.value(1.0) == 0.0);
  filter.setWidth(2.0);
  CHECK(filter.value(1.5) == doctest::Approx(0.5));
  filter.reset();
  CHECK(filter.width() == 1.0);
}

TEST_CASE("contribution table for 4 pixels to 2 skips zero weights at both ends") {
  Contribution table;
  table.build(4, 2, BilinearFilter::shared());
  REQUIRE(table.count() == 2);
  CHECK(table.room() == 5);
  CHECK(table.first(0) == 0);
  CHECK(table.last(0) == 1);
  CHECK(weightsOf(table, 0) == std::vector<std::int32_t>{43690, 21845});
  CHECK(table.first(1) == 1);
  CHECK(table.last(1) == 3);
  CHECK(weightsOf(table, 1) == std::vector<std::int32_t>{16384, 32768, 16384});
}

TEST_CASE("contribution tables for enlarging pick neighbours and end on the last pixel") {
  Contribution table;
  table.build(2, 4, BilinearFilter::shared());
  // Centres 0, 0.5, 1, 1.5.
  CHECK(table.first(0) == 0);
  CHECK(table.last(0) == 0);
  CHECK(weightsOf(table, 1) == std::vector<std::int32_t>{32768, 32768});
  CHECK(table.first(2) == 1);
  CHECK(table.last(2) == 1);
  CHECK(table.first(3) == 1);
  CHECK(table.last(3) == 1);
  CHECK(weightsOf(table, 3) == std::vector<std::int32_t>{65536});
}

TEST_CASE("resampling with equal sizes copies the pixels") {
  Owned<BufferedImage> source = noise(7, 5, 1);
  source->setAlphaInUse(true);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  REQUIRE(Resampler::scale(*source, *target, 7, 5));
  CHECK(samePixels(*source, *target));
  CHECK(target->alphaInUse());
}

TEST_CASE("resampling 4 x 1 to 2 x 1 applies the 16.16 weights with rounding") {
  Owned<BufferedImage> source = s::thread::obtain<BufferedImage>();
  REQUIRE(source->create(4, 1));
  const std::uint8_t values[4] = {0, 90, 200, 255};
  for (int c = 0; c < 4; ++c) std::memset(source->row(0) + c * 4, values[c], 4);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  REQUIRE(Resampler::scale(*source, *target, 2, 1));
  REQUIRE(target->width() == 2);
  // (43690 * 0 + 21845 * 90 + 32768) >> 16 = 30; (16384 * 90 + 32768 * 200 + 16384 * 255
  // + 32768) >> 16 = 186.
  for (int channel = 0; channel < 4; ++channel) {
    CHECK(target->row(0)[channel] == 30);
    CHECK(target->row(0)[4 + channel] == 186);
  }
}

TEST_CASE("resampling shrinks and enlarges in both directions into a reused target") {
  Owned<BufferedImage> source = noise(9, 6, 7);
  Owned<BufferedImage> target = s::thread::obtain<BufferedImage>();
  REQUIRE(Resampler::scale(*source, *target, 3, 12));
  CHECK(target->width() == 3);
  CHECK(target->height() == 12);
  // Column 0 of the target comes from source columns 0 and 1 (weights as for 3 -> 1 of a
  // 9-wide line: shrink factor 1/3, width 3); row 0 is a copy of source row 0.
  Contribution table;
  table.build(9, 3, BilinearFilter::shared());
  std::uint32_t sum = 0;
  for (int k = 0; k <= table.last(0) - table.first(0); ++k) {
    sum += static_cast<std::uint32_t>(table.weights(0)[k]) *
           source->row(0)[(table.first(0) + k) * 4 + 2];
  }
  CHECK(target->row(0)[2] == static_cast<std::uint8_t>((sum + 32768) >> 16));

  const std::uint8_t* surface = target->row(0);
  REQUIRE(Resampler::scale(*source, *target, 2, 2));
  CHECK(target->width() == 2);
  CHECK(target->capacityHeight() == 12);
  CHECK(target->row(0) == surface);  // the larger surface is kept
  CHECK_FALSE(Resampler::scale(*source, *source, 2, 2));
}

TEST_CASE("sharpness weights follow the level") {
  struct Case {
    int level;
    std::int32_t weights[9];
    std::int32_t divisor;
  };
  const Case cases[] = {
      {100, {0, -180, 0, -180, 1100, -180, 0, -180, 0}, 380},
      {-100, {100, 200, 100, 200, 400, 200, 100, 200, 100}, 1600},
      {50, {0, -90, 0, -90, 1100, -90, 0, -90, 0}, 740},
      {-25, {25, 50, 25, 50, 400, 50, 25, 50, 25}, 700},
      {152, {0, -273, 0, -273, 1100, -273, 0, -273, 0}, 8},
  };
  Owned<Sharpness> sharpness = s::thread::obtain<Sharpness>();
  for (const Case& c : cases) {
    CAPTURE(c.level);
    REQUIRE(sharpness->setLevel(c.level));
    REQUIRE(sharpness->convolution() != nullptr);
    for (int i = 0; i < 9; ++i) CHECK(sharpness->convolution()->weight(i) == c.weights[i]);
    CHECK(sharpness->convolution()->divisor() == c.divisor);
  }
  CHECK_FALSE(sharpness->setLevel(153));  // divisor 0
  CHECK(sharpness->level() == 152);
  REQUIRE(sharpness->setLevel(0));
  CHECK(sharpness->convolution() == nullptr);
}

TEST_CASE("sharpness level 0 copies and a set level changes the picture") {
  Owned<BufferedImage> source = noise(6, 4, 3);
  source->setAlphaInUse(true);
  Owned<Sharpness> sharpness = s::thread::obtain<Sharpness>();
  Owned<BufferedImage> copy(sharpness->apply(*source, nullptr));
  CHECK(samePixels(*source, *copy));
  CHECK(copy->alphaInUse());

  REQUIRE(sharpness->setLevel(100));
  CHECK(sharpness->apply(*source, copy.get()) == copy.get());
  CHECK_FALSE(samePixels(*source, *copy));

  // Blurring keeps a flat picture flat: the weights sum to the divisor.
  Owned<BufferedImage> flat = s::thread::obtain<BufferedImage>();
  REQUIRE(flat->create(5, 3));
  for (int r = 0; r < 3; ++r) std::memset(flat->row(r), 77, 20);
  REQUIRE(sharpness->setLevel(-100));
  Owned<BufferedImage> blurred(sharpness->apply(*flat, nullptr));
  CHECK(samePixels(*flat, *blurred));
}

TEST_CASE("convolution identity leaves the picture unchanged") {
  Owned<BufferedImage> image = noise(5, 4, 11);
  Owned<BufferedImage> before = noise(5, 4, 11);
  Owned<Convolution> convolution = s::thread::obtain<Convolution>();
  convolution->setWeights({0, 0, 0, 0, 1, 0, 0, 0, 0});
  CHECK(convolution->divisor() == 1);
  convolution->run(*image, 0, image->height());
  CHECK(samePixels(*image, *before));
}

TEST_CASE("convolution works in place, repeats edges and clamps") {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(2, 2));
  // Channel 0 only matters here: top row 10, 20; bottom row 30, 40.
  const std::uint8_t values[4] = {10, 20, 30, 40};
  for (int i = 0; i < 4; ++i) image->row(i / 2)[(i % 2) * 4] = values[i];
  Owned<Convolution> convolution = s::thread::obtain<Convolution>();
  // The left neighbour alone: each pixel takes the (already filtered) pixel to its left.
  convolution->setWeights({0, 0, 0, 1, 0, 0, 0, 0, 0});
  convolution->run(*image, 0, 2);
  CHECK(image->row(0)[0] == 10);  // the edge repeats itself
  CHECK(image->row(0)[4] == 10);
  CHECK(image->row(1)[0] == 30);
  CHECK(image->row(1)[4] == 30);

  // Sums above 255 and below 0 are clamped; the divisor divides toward zero.
  convolution->setWeights({0, 0, 0, 0, 3, 0, 0, 0, -1});  // divisor 2
  for (int i = 0; i < 4; ++i) image->row(i / 2)[(i % 2) * 4 + 1] = values[i] * 6;
  convolution->run(*image, 0, 2);
  // Pixel (0, 0): (3 * 60 - 240) / 2 = -30 -> 0; pixel (1, 1): (3 * 240 - 240) / 2 = 240.
  CHECK(image->row(0)[1] == 0);
  CHECK(image->row(1)[5] == 240);
  // One row 10, 200 with weights -1, 0, 2 across the middle (divisor 1): the first pixel is
  // 2 * 200 - 10 = 390 -> 255, the second 2 * 200 (edge) - 255 (its filtered left) = 145.
  Owned<BufferedImage> line = s::thread::obtain<BufferedImage>();
  REQUIRE(line->create(2, 1));
  line->row(0)[2] = 10;
  line->row(0)[6] = 200;
  convolution->setWeights({0, 0, 0, -1, 0, 2, 0, 0, 0});
  convolution->run(*line, 0, 1);
  CHECK(line->row(0)[2] == 255);
  CHECK(line->row(0)[6] == 145);
}

TEST_CASE("the filtered copy runs the filters once until the filters or pixels change") {
  Owned<BufferedImage> image = noise(6, 5, 21);
  CHECK(image->filteredCopy() == image.get());  // no filters: the image itself

  Owned<Sharpness> blur = s::thread::obtain<Sharpness>();
  REQUIRE(blur->setLevel(-100));
  Owned<Sharpness> sharpen = s::thread::obtain<Sharpness>();
  REQUIRE(sharpen->setLevel(60));
  image->addFilter(blur.get());
  image->addFilter(sharpen.get());
  const BufferedImage* filtered = image->filteredCopy();
  REQUIRE(filtered != image.get());
  CHECK(image->filteredCopy() == filtered);

  // The same chain by hand.
  Owned<BufferedImage> first(blur->apply(*image, nullptr));
  Owned<BufferedImage> second(sharpen->apply(*first, nullptr));
  CHECK(samePixels(*filtered, *second));

  image->row(0)[0] ^= 0xFF;
  image->pixelsChanged();
  Owned<BufferedImage> again(blur->apply(*image, nullptr));
  Owned<BufferedImage> expected(sharpen->apply(*again, nullptr));
  CHECK(samePixels(*image->filteredCopy(), *expected));
  CHECK_FALSE(samePixels(*expected, *second));
  image->clearFilters();
  CHECK(image->filteredCopy() == image.get());
}
