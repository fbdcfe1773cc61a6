#include "s/image/gif/Gif.h"

#include "s/thread/Pool.h"

namespace s::image::gif::win {

Gif::Gif() : bitmap_(s::thread::takeFromPool<s::image::bmp::win::Bitmap>()) {}

s::base::IObject* Gif::newInstance() const { return s::thread::takeFromPool<Gif>(); }

void Gif::release() { s::thread::giveBackToPool(this); }

void Gif::reset() { bitmap_->clear(); }

bool Gif::decode(s::io::IInputStream&) {
  bitmap_->clear();
  return false;
}

s::image::win::BufferedImage* Gif::toBufferedImage(s::image::win::BufferedImage* target) const {
  return bitmap_->toBufferedImage(target);
}

}  // namespace s::image::gif::win
