#include "s/gui/win/MemDC.h"

#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

MemDC::~MemDC() { reset(); }

MemDC* MemDC::create(HWND window, s::image::win::BufferedImage* image, bool ownsImage) {
  MemDC* memory = s::thread::takeFromPool<MemDC>();
  memory->image_ = image;
  memory->ownsImage_ = ownsImage;
  HDC screen = GetDC(window);
  memory->dc_ = CreateCompatibleDC(screen);
  ReleaseDC(window, screen);
  if (memory->dc_ != nullptr && image != nullptr && image->surfaceHandle() != nullptr) {
    memory->previous_ = SelectObject(memory->dc_, static_cast<HBITMAP>(image->surfaceHandle()));
  }
  return memory;
}

s::base::IObject* MemDC::newInstance() const { return s::thread::takeFromPool<MemDC>(); }

void MemDC::release() { s::thread::giveBackToPool(this); }

void MemDC::reset() {
  if (dc_ != nullptr) {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  if (ownsImage_ && image_ != nullptr) image_->release();
  dc_ = nullptr;
  previous_ = nullptr;
  image_ = nullptr;
  ownsImage_ = false;
}

}  // namespace s::gui::win
