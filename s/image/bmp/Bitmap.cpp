#include "s/image/bmp/Bitmap.h"

#include <cstring>

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"
#include "s/thread/Pool.h"

namespace s::image::bmp::win {

s::base::IObject* Bitmap::newInstance() const { return s::thread::takeFromPool<Bitmap>(); }

void Bitmap::release() { s::thread::giveBackToPool(this); }

void Bitmap::reset() {
  clear();
  bitFields_ = false;
  colourCount_ = 0;
  transparentColour_ = kNoTransparentColour;
}

bool Bitmap::create(std::int32_t width, std::int32_t height, std::int32_t bitCount) {
  clear();
  if (width <= 0 || height <= 0 || (bitCount != 24 && bitCount != 32)) return false;
  if (std::int64_t{width} * height > kMaxPixels) return false;
  const auto stride =
      static_cast<std::int32_t>(((std::int64_t{width} * bitCount / 8) + 3) & ~std::int64_t{3});
  if (!memory_.allocate(width, height, bitCount, stride)) return false;
  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  stride_ = stride;
  return true;
}

void Bitmap::clear() {
  memory_.free();
  width_ = height_ = bitCount_ = stride_ = 0;
}

s::image::win::BufferedImage* Bitmap::toBufferedImage(s::image::win::BufferedImage* target) const {
  using s::image::win::BufferedImage;
  const std::int32_t width = isEmpty() ? 0 : width_;
  const std::int32_t height = isEmpty() ? 0 : height_;
  if (target == nullptr) {
    target = s::thread::takeFromPool<BufferedImage>();
    target->create(width, height);
  } else {
    target->setScaledCopy(nullptr);
    if (s::image::win::growToAtLeast(*target, width, height)) target->setSize(width, height);
  }
  if (target->width() != width || target->height() != height || width == 0) {
    target->setSize(0, 0);
    target->setAlphaInUse(false);
    target->pixelsChanged();
    return target;
  }

  const bool ownAlpha = bitCount_ == 32 && !bitFields_;
  bool anyAlpha = false;
  bool anyTranslucent = false;
  for (std::int32_t r = 0; r < height; ++r) {
    const std::uint8_t* in = row(r);
    std::uint8_t* out = target->row(r);
    if (bitCount_ == 32) {
      std::memcpy(out, in, static_cast<std::size_t>(width) * 4);
      if (!ownAlpha) continue;
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint8_t alpha = out[x * 4 + 3];
        anyAlpha = anyAlpha || alpha != 0;
        anyTranslucent = anyTranslucent || alpha != 255;
      }
    } else {
      for (std::int32_t x = 0; x < width; ++x, in += 3, out += 4) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = 0;
      }
    }
  }
  if (ownAlpha && anyAlpha) {
    target->setAlphaInUse(anyTranslucent);
    target->pixelsChanged();
  } else if (transparentColour_ != kNoTransparentColour) {
    const auto key = static_cast<std::uint32_t>(transparentColour_);
    s::image::win::makeColourTransparent(*target, static_cast<std::uint8_t>(key >> 16),
                                         static_cast<std::uint8_t>(key >> 8),
                                         static_cast<std::uint8_t>(key));
  } else {
    // Also a 32-bit bitmap whose alpha bytes are all 0: it carries no alpha at all.
    s::image::win::makeOpaque(*target);
  }
  return target;
}

}  // namespace s::image::bmp::win
