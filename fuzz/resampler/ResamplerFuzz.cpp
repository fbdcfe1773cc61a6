// Scales arbitrary pictures to arbitrary sizes on the SSE2 path and on the plain path and stops
// at the first byte where they differ. The first eight bytes give the source and target sizes
// (1 to 300 pixels wide, 1 to 100 high), the rest the pixels, repeated to fill the picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "s/base/Owned.h"
#include "s/image/BufferedImage.h"
#include "s/image/filters/scale/Resampler.h"
#include "s/thread/Pool.h"

namespace {

using s::base::Owned;
using s::image::filters::scale::Resampler;
using s::image::win::BufferedImage;

std::int32_t side(const std::uint8_t* bytes, std::int32_t limit) {
  return 1 + static_cast<std::int32_t>((bytes[0] | bytes[1] << 8) % limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9 || !Resampler::hasPath(Resampler::Path::kSse2)) return 0;
  const std::int32_t sourceWidth = side(data, 300);
  const std::int32_t sourceHeight = side(data + 2, 100);
  const std::int32_t width = side(data + 4, 300);
  const std::int32_t height = side(data + 6, 100);
  const std::uint8_t* pixels = data + 8;
  const std::size_t count = size - 8;

  Owned<BufferedImage> source = s::thread::obtain<BufferedImage>();
  if (!source->create(sourceWidth, sourceHeight)) std::abort();
  std::size_t at = 0;
  for (std::int32_t r = 0; r < sourceHeight; ++r) {
    std::uint8_t* row = source->row(r);
    for (std::int32_t x = 0; x < sourceWidth * 4; ++x, at = at + 1 == count ? 0 : at + 1) {
      row[x] = pixels[at];
    }
  }
  Owned<BufferedImage> plain = s::thread::obtain<BufferedImage>();
  Owned<BufferedImage> fast = s::thread::obtain<BufferedImage>();
  if (!Resampler::scaleOn(Resampler::Path::kPlain, *source, *plain, width, height)) std::abort();
  if (!Resampler::scaleOn(Resampler::Path::kSse2, *source, *fast, width, height)) std::abort();
  for (std::int32_t r = 0; r < height; ++r) {
    if (std::memcmp(plain->row(r), fast->row(r), static_cast<std::size_t>(width) * 4) != 0) {
      std::abort();
    }
  }
  return 0;
}
