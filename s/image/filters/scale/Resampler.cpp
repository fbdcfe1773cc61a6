#include "s/image/filters/scale/Resampler.h"

#include <cstring>
#include <vector>

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/image/filters/scale/BilinearFilter.h"
#include "s/image/filters/scale/Contribution.h"
#include "s/thread/Lock.h"

namespace s::image::filters::scale {

namespace {

using s::image::win::BufferedImage;

struct SharedTable {
  s::thread::Lock lock;
  Contribution table;
};

struct SharedBuffer {
  s::thread::Lock lock;
  std::vector<std::uint8_t> pixels;
  std::vector<std::uint32_t> sums;
};

SharedTable& sharedTable() {
  static SharedTable* const table = new SharedTable();
  return *table;
}

SharedBuffer& sharedBuffer() {
  static SharedBuffer* const buffer = new SharedBuffer();
  return *buffer;
}

inline std::uint8_t rounded(std::uint32_t sum) {
  return static_cast<std::uint8_t>((sum + 32768u) >> 16);
}

// One row, sourceWidth -> table.count() pixels.
void horizontalRow(const std::uint8_t* in, std::uint8_t* out, const Contribution& table) {
  const std::int32_t count = table.count();
  for (std::int32_t i = 0; i < count; ++i, out += 4) {
    const std::int32_t first = table.first(i);
    const std::int32_t last = table.last(i);
    const std::uint8_t* pixel = in + first * 4;
    if (first == last) {
      std::memcpy(out, pixel, 4);
      continue;
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

}  // namespace

bool Resampler::scale(const BufferedImage& source, BufferedImage& target, std::int32_t width,
                      std::int32_t height) {
  if (&source == &target) return false;
  if (width <= 0 || height <= 0) {
    target.setSize(0, 0);
    target.setAlphaInUse(source.alphaInUse());
    target.pixelsChanged();
    return true;
  }
  if (!s::image::win::growToAtLeast(target, width, height)) return false;
  target.setSize(width, height);
  target.setAlphaInUse(source.alphaInUse());
  target.pixelsChanged();
  const std::int32_t sourceWidth = source.width();
  const std::int32_t sourceHeight = source.height();
  const std::size_t outBytes = static_cast<std::size_t>(width) * 4;
  if (sourceWidth <= 0 || sourceHeight <= 0) {
    for (std::int32_t r = 0; r < height; ++r) std::memset(target.row(r), 0, outBytes);
    return true;
  }

  SharedBuffer& buffer = sharedBuffer();
  s::thread::LockGuard bufferGuard(buffer.lock);
  buffer.pixels.resize(outBytes * static_cast<std::size_t>(sourceHeight));
  std::uint8_t* middle = buffer.pixels.data();
  SharedTable& shared = sharedTable();
  const BilinearFilter& kernel = BilinearFilter::shared();

  if (sourceWidth != width) {
    s::thread::LockGuard tableGuard(shared.lock);
    shared.table.build(sourceWidth, width, kernel);
    for (std::int32_t r = 0; r < sourceHeight; ++r) {
      horizontalRow(source.row(r), middle + r * outBytes, shared.table);
    }
  } else {
    for (std::int32_t r = 0; r < sourceHeight; ++r) {
      std::memcpy(middle + r * outBytes, source.row(r), outBytes);
    }
  }

  if (sourceHeight != height) {
    s::thread::LockGuard tableGuard(shared.lock);
    shared.table.build(sourceHeight, height, kernel);
    buffer.sums.resize(outBytes);
    for (std::int32_t r = 0; r < height; ++r) {
      verticalRow(middle, outBytes, target.row(r), outBytes, shared.table.first(r),
                  shared.table.last(r), shared.table.weights(r), buffer.sums.data());
    }
  } else {
    for (std::int32_t r = 0; r < height; ++r) {
      std::memcpy(target.row(r), middle + r * outBytes, outBytes);
    }
  }
  return true;
}

}  // namespace s::image::filters::scale
