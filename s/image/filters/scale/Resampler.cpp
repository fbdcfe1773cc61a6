#include "s/image/filters/scale/Resampler.h"

#include <cstring>
#include <vector>

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/image/filters/scale/BilinearFilter.h"
#include "s/image/filters/scale/Contribution.h"
#include "s/image/filters/scale/ScalePasses.h"
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
  PassScratch scratch;
};

SharedTable& sharedTable() {
  static SharedTable* const table = new SharedTable();
  return *table;
}

SharedBuffer& sharedBuffer() {
  static SharedBuffer* const buffer = new SharedBuffer();
  return *buffer;
}

const ScalePasses* passesFor(Resampler::Path path) {
  return path == Resampler::Path::kSse2 ? sse2Passes() : &plainPasses();
}

}  // namespace

bool Resampler::hasPath(Path path) { return passesFor(path) != nullptr; }

bool Resampler::scale(const BufferedImage& source, BufferedImage& target, std::int32_t width,
                      std::int32_t height) {
  return scaleOn(hasPath(Path::kSse2) ? Path::kSse2 : Path::kPlain, source, target, width, height);
}

bool Resampler::scaleOn(Path path, const BufferedImage& source, BufferedImage& target,
                        std::int32_t width, std::int32_t height) {
  const ScalePasses* passes = passesFor(path);
  if (passes == nullptr || &source == &target) return false;
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
    passes->horizontal(source, shared.table, middle, outBytes, buffer.scratch);
  } else {
    for (std::int32_t r = 0; r < sourceHeight; ++r) {
      std::memcpy(middle + r * outBytes, source.row(r), outBytes);
    }
  }

  if (sourceHeight != height) {
    s::thread::LockGuard tableGuard(shared.lock);
    shared.table.build(sourceHeight, height, kernel);
    passes->vertical(middle, outBytes, shared.table, target, buffer.scratch);
  } else {
    for (std::int32_t r = 0; r < height; ++r) {
      std::memcpy(target.row(r), middle + r * outBytes, outBytes);
    }
  }
  return true;
}

}  // namespace s::image::filters::scale
