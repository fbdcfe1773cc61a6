#include "s/image/bmp/Bitmap.h"

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
  const std::int32_t stride = ((width * bitCount / 8) + 3) & ~3;
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

}  // namespace s::image::bmp::win
