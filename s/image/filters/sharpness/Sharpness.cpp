#include "s/image/filters/sharpness/Sharpness.h"

#include <cstring>

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/thread/Pool.h"

namespace s::image::filters::sharpness {

using s::image::filters::convolution::Convolution;
using s::image::win::BufferedImage;

s::base::IObject* Sharpness::newInstance() const { return s::thread::takeFromPool<Sharpness>(); }

void Sharpness::release() { s::thread::giveBackToPool(this); }

void Sharpness::reset() {
  s::thread::LockGuard guard(lock_);
  enabled_ = true;
  level_ = 0;
  convolution_.reset();
}

bool Sharpness::setLevel(std::int32_t level) {
  std::int32_t weights[9];
  if (level < 0) {
    const float x = static_cast<float>(-level) / 100.0f;
    const std::int32_t d = static_cast<std::int32_t>(100.0f * x);
    const std::int32_t c = static_cast<std::int32_t>(200.0f * x);
    const std::int32_t blur[9] = {d, c, d, c, 400, c, d, c, d};
    std::memcpy(weights, blur, sizeof weights);
  } else if (level > 0) {
    const float x = static_cast<float>(level) / 100.0f;
    const std::int32_t c = static_cast<std::int32_t>(-180.0f * x);
    const std::int32_t sharpen[9] = {0, c, 0, c, 1100, c, 0, c, 0};
    std::memcpy(weights, sharpen, sizeof weights);
    // A divisor of 0 or below would divide by zero or invert the picture.
    if (1100 + 4 * c <= 0) return false;
  }
  s::thread::LockGuard guard(lock_);
  level_ = level;
  if (level == 0) {
    convolution_.reset();
    return true;
  }
  if (!convolution_) convolution_ = s::thread::obtain<Convolution>();
  convolution_->setWeights(weights);
  return true;
}

BufferedImage* Sharpness::apply(const BufferedImage& source, BufferedImage* target) {
  if (target == &source) return target;
  const std::int32_t width = source.width();
  const std::int32_t height = source.height();
  if (target == nullptr) {
    target = s::thread::takeFromPool<BufferedImage>();
    target->create(width, height);
  } else if (s::image::win::growToAtLeast(*target, width, height)) {
    target->setSize(width, height);
  }
  if (target->width() == width && target->height() == height) {
    for (std::int32_t r = 0; r < height; ++r) {
      std::memcpy(target->row(r), source.row(r), static_cast<std::size_t>(width) * 4);
    }
    s::thread::LockGuard guard(lock_);
    if (enabled_ && convolution_) convolution_->run(*target, 0, height);
  }
  target->setAlphaInUse(source.alphaInUse());
  target->pixelsChanged();
  return target;
}

}  // namespace s::image::filters::sharpness
