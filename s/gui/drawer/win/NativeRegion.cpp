#include "s/gui/drawer/win/NativeRegion.h"

namespace s::gui::drawer::win {

NativeRegion& NativeRegion::operator=(NativeRegion&& other) noexcept {
  if (this != &other) {
    if (region_ != nullptr) DeleteObject(region_);
    region_ = other.detach();
  }
  return *this;
}

NativeRegion::~NativeRegion() {
  if (region_ != nullptr) DeleteObject(region_);
}

HRGN NativeRegion::detach() {
  HRGN region = region_;
  region_ = nullptr;
  return region;
}

NativeRegion NativeRegion::build(const Region& description) {
  const Rect& b = description.bounds;
  switch (description.kind) {
    case Region::Kind::kRectangle:
      return NativeRegion(CreateRectRgn(b.left, b.top, b.right, b.bottom));
    case Region::Kind::kRounded: {
      NativeRegion rounded(CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, description.ellipse,
                                              description.ellipse));
      if (!rounded || !description.hasExtra) return rounded;
      const Rect& e = description.extra;
      NativeRegion square(CreateRectRgn(e.left, e.top, e.right, e.bottom));
      if (!square || CombineRgn(rounded.get(), rounded.get(), square.get(), RGN_OR) == ERROR) {
        return NativeRegion();
      }
      return rounded;
    }
    default:
      return NativeRegion();
  }
}

}  // namespace s::gui::drawer::win
