#include "s/image/BufferedImage.h"

#include <algorithm>
#include <cstring>

#include "s/image/BufferedImageOps.h"
#include "s/image/filters/IFilter.h"
#include "s/thread/Pool.h"

namespace s::image::win {

namespace {

// A new image when target is null, else target; either way sized width x height. Null when the
// surface cannot be had.
BufferedImage* prepareTarget(BufferedImage* target, std::int32_t width, std::int32_t height) {
  if (target == nullptr) {
    s::base::Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
    image->create(width, height);
    return image.detach();
  }
  target->setScaledCopy(nullptr);
  target->pixelsChanged();
  if (growToAtLeast(*target, width, height)) target->setSize(width, height);
  return target;
}

inline std::uint32_t pixelAt(const BufferedImage& image, std::int32_t r, std::int32_t c) {
  std::uint32_t pixel;
  std::memcpy(&pixel, image.row(r) + c * 4, 4);
  return pixel;
}

}  // namespace

s::base::IObject* BufferedImage::newInstance() const {
  return s::thread::takeFromPool<BufferedImage>();
}

void BufferedImage::release() { s::thread::giveBackToPool(this); }

void BufferedImage::reset() {
  surface_.reset();
  bits_ = nullptr;
  setSize(0, 0);
  setCapacity(0, 0);
  scaledCopy_.reset();
  alphaInUse_ = false;
  filters_.clear();
  filteredCopy_.reset();
}

void BufferedImage::setSize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  pixelCount_ = width * height;
  byteCount_ = pixelCount_ * 4;
  stride_ = width * 4;
}

void BufferedImage::setCapacity(std::int32_t width, std::int32_t height) {
  capacityWidth_ = width;
  capacityHeight_ = height;
  capacityPixelCount_ = width * height;
  capacityByteCount_ = capacityPixelCount_ * 4;
  capacityStride_ = width * 4;
}

bool BufferedImage::create(std::int32_t width, std::int32_t height) {
  surface_.reset();
  bits_ = nullptr;
  setSize(0, 0);
  setCapacity(0, 0);
  if (width <= 0 || height <= 0) return false;
  s::base::Owned<s::image::bmp::win::Bitmap> surface =
      s::thread::obtain<s::image::bmp::win::Bitmap>();
  if (!surface->create(width, height, 32)) return false;
  surface_ = std::move(surface);
  bits_ = surface_->bits();
  setSize(width, height);
  setCapacity(width, height);
  return true;
}

bool BufferedImage::ensureCapacity(std::int32_t width, std::int32_t height) {
  if (capacityWidth_ >= width && capacityHeight_ >= height) return true;
  s::base::Owned<s::image::bmp::win::Bitmap> old = std::move(surface_);
  const std::int32_t oldWidth = width_;
  const std::int32_t oldHeight = height_;
  const std::int32_t oldStride = capacityStride_;
  const std::int32_t oldCapacityHeight = capacityHeight_;
  const std::int32_t capacityWidthBefore = capacityWidth_;
  std::uint8_t* oldBits = bits_;
  if (!create(width, height)) {
    // Keep the picture as it was rather than lose it to a refused allocation.
    surface_ = std::move(old);
    bits_ = oldBits;
    setCapacity(capacityWidthBefore, oldCapacityHeight);
    setSize(oldWidth, oldHeight);
    return false;
  }
  if (old) {
    const std::int32_t rows = std::min(oldHeight, height);
    const std::size_t bytes = static_cast<std::size_t>(std::min(oldWidth, width)) * 4;
    for (std::int32_t r = 0; r < rows; ++r) {
      std::memcpy(row(r),
                  oldBits + static_cast<std::intptr_t>(oldCapacityHeight - r - 1) * oldStride,
                  bytes);
    }
  }
  return true;
}

BufferedImage* BufferedImage::makeScaledCopy(std::int32_t width, std::int32_t height) const {
  BufferedImage* copy = s::thread::takeFromPool<BufferedImage>();
  copy->create(width, height);
  return copy;
}

void BufferedImage::setScaledCopy(BufferedImage* copy) {
  if (copy == scaledCopy_.get()) return;
  scaledCopy_.reset(copy);
}

void BufferedImage::copyInto(BufferedImage& target, std::int32_t x, std::int32_t y,
                             std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                             std::int32_t height, bool scale) {
  const BufferedImage* source = this;
  if (scale) source = scaledVersion(*this, width, height, false);
  // Clip the rectangle against the source, then against the target, moving both origins.
  if (sourceX < 0) {
    x -= sourceX;
    width += sourceX;
    sourceX = 0;
  }
  if (sourceY < 0) {
    y -= sourceY;
    height += sourceY;
    sourceY = 0;
  }
  if (x < 0) {
    sourceX -= x;
    width += x;
    x = 0;
  }
  if (y < 0) {
    sourceY -= y;
    height += y;
    y = 0;
  }
  width = std::min({width, source->width() - sourceX, target.width() - x});
  height = std::min({height, source->height() - sourceY, target.height() - y});
  if (width <= 0 || height <= 0) return;
  if (source == &target && sourceY < y) {
    for (std::int32_t r = height - 1; r >= 0; --r) {
      std::memmove(target.row(y + r) + x * 4, source->row(sourceY + r) + sourceX * 4,
                   static_cast<std::size_t>(width) * 4);
    }
  } else {
    for (std::int32_t r = 0; r < height; ++r) {
      std::memmove(target.row(y + r) + x * 4, source->row(sourceY + r) + sourceX * 4,
                   static_cast<std::size_t>(width) * 4);
    }
  }
  target.pixelsChanged();
}

BufferedImage* BufferedImage::turn(Turn kind, BufferedImage* target) const {
  const bool swaps = kind == Turn::kClockwise || kind == Turn::kCounterClockwise;
  const std::int32_t w = swaps ? height_ : width_;
  const std::int32_t h = swaps ? width_ : height_;
  if (target == this) return target;  // turning in place is not supported; nothing changes
  BufferedImage* result = prepareTarget(target, w, h);
  if (result->width() != w || result->height() != h) return result;
  for (std::int32_t i = 0; i < h; ++i) {
    std::uint8_t* out = result->row(i);
    for (std::int32_t j = 0; j < w; ++j) {
      std::uint32_t pixel;
      switch (kind) {
        case Turn::kClockwise:
          pixel = pixelAt(*this, height_ - 1 - j, i);
          break;
        case Turn::kCounterClockwise:
          pixel = pixelAt(*this, j, width_ - 1 - i);
          break;
        case Turn::kHalf:
          pixel = pixelAt(*this, height_ - 1 - i, width_ - 1 - j);
          break;
        case Turn::kMirrorHorizontal:
          pixel = pixelAt(*this, i, width_ - 1 - j);
          break;
        default:
          pixel = pixelAt(*this, height_ - 1 - i, j);
          break;
      }
      std::memcpy(out + j * 4, &pixel, 4);
    }
  }
  result->setAlphaInUse(alphaInUse_);
  return result;
}

BufferedImage* BufferedImage::rotateClockwise(BufferedImage* target) const {
  return turn(Turn::kClockwise, target);
}
BufferedImage* BufferedImage::rotateCounterClockwise(BufferedImage* target) const {
  return turn(Turn::kCounterClockwise, target);
}
BufferedImage* BufferedImage::rotate180(BufferedImage* target) const {
  return turn(Turn::kHalf, target);
}
BufferedImage* BufferedImage::mirrorHorizontal(BufferedImage* target) const {
  return turn(Turn::kMirrorHorizontal, target);
}
BufferedImage* BufferedImage::mirrorVertical(BufferedImage* target) const {
  return turn(Turn::kMirrorVertical, target);
}

void BufferedImage::addFilter(s::image::filters::IFilter* filter) {
  filters_.push_back(filter);
  filteredCopy_.reset();
}

void BufferedImage::clearFilters() {
  filters_.clear();
  filteredCopy_.reset();
}

void BufferedImage::pixelsChanged() { filteredCopy_.reset(); }

const BufferedImage* BufferedImage::filteredCopy() {
  if (filters_.empty()) return this;
  if (filteredCopy_) return filteredCopy_.get();
  s::base::Owned<BufferedImage> result(filters_.front()->apply(*this, nullptr));
  for (std::size_t i = 1; i < filters_.size() && result; ++i) {
    // Each filter writes a new image from the previous one's result.
    s::base::Owned<BufferedImage> next(filters_[i]->apply(*result, nullptr));
    result = std::move(next);
  }
  filteredCopy_ = std::move(result);
  return filteredCopy_.get();
}

}  // namespace s::image::win
