#include <cstring>

#include "s/image/BufferedImage.h"
#include "s/image/filters/scale/Contribution.h"
#include "s/image/filters/scale/ScalePasses.h"

namespace s::image::filters::scale {

namespace {

using s::image::win::BufferedImage;

inline std::uint8_t rounded(std::uint32_t sum) {
  return static_cast<std::uint8_t>((sum + 32768u) >> 16);
}

void horizontal(const BufferedImage& source, const Contribution& table, std::uint8_t* out,
                std::size_t outBytes, PassScratch&) {
  for (std::int32_t r = 0; r < source.height(); ++r) {
    const std::uint8_t* in = source.row(r);
    std::uint8_t* pixel = out + r * outBytes;
    for (std::int32_t i = 0; i < table.count(); ++i, pixel += 4) {
      plainHorizontalPixel(in, pixel, table, i);
    }
  }
}

// One destination row from the rows of the intermediate image that contribute to it.
void verticalRow(const std::uint8_t* in, std::size_t inStride, std::uint8_t* out, std::size_t bytes,
                 std::int32_t first, std::int32_t last, const std::int32_t* weights,
                 std::uint32_t* sums) {
  if (first == last) {
    std::memcpy(out, in + first * inStride, bytes);
    return;
  }
  std::memset(sums, 0, bytes * sizeof(std::uint32_t));
  for (std::int32_t k = 0; k <= last - first; ++k) {
    const std::uint32_t w = static_cast<std::uint32_t>(weights[k]);
    const std::uint8_t* line = in + (first + k) * inStride;
    for (std::size_t x = 0; x < bytes; ++x) sums[x] += w * line[x];
  }
  for (std::size_t x = 0; x < bytes; ++x) out[x] = rounded(sums[x]);
}

void vertical(const std::uint8_t* in, std::size_t rowBytes, const Contribution& table,
              BufferedImage& target, PassScratch& scratch) {
  scratch.sums.resize(rowBytes);
  for (std::int32_t r = 0; r < table.count(); ++r) {
    verticalRow(in, rowBytes, target.row(r), rowBytes, table.first(r), table.last(r),
                table.weights(r), scratch.sums.data());
  }
}

constexpr ScalePasses kPlainPasses{horizontal, vertical};

}  // namespace

void plainHorizontalPixel(const std::uint8_t* in, std::uint8_t* out, const Contribution& table,
                          std::int32_t i) {
  const std::int32_t first = table.first(i);
  const std::int32_t last = table.last(i);
  const std::uint8_t* pixel = in + first * 4;
  if (first == last) {
    std::memcpy(out, pixel, 4);
    return;
  }
  const std::int32_t* weights = table.weights(i);
  std::uint32_t b = 0, g = 0, r = 0, a = 0;
  for (std::int32_t k = 0; k <= last - first; ++k, pixel += 4) {
    const std::uint32_t w = static_cast<std::uint32_t>(weights[k]);
    b += w * pixel[0];
    g += w * pixel[1];
    r += w * pixel[2];
    a += w * pixel[3];
  }
  out[0] = rounded(b);
  out[1] = rounded(g);
  out[2] = rounded(r);
  out[3] = rounded(a);
}

const ScalePasses& plainPasses() { return kPlainPasses; }

}  // namespace s::image::filters::scale
