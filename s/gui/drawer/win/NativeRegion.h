#pragma once

#include <windows.h>

#include "s/gui/drawer/Region.h"

namespace s::gui::drawer::win {

// Owns one GDI region. Move-only; the region is deleted unless handed on with detach (for
// SetWindowRgn, which takes it over).
class NativeRegion {
 public:
  NativeRegion() = default;
  explicit NativeRegion(HRGN region) : region_(region) {}
  NativeRegion(NativeRegion&& other) noexcept : region_(other.detach()) {}
  NativeRegion& operator=(NativeRegion&& other) noexcept;
  NativeRegion(const NativeRegion&) = delete;
  NativeRegion& operator=(const NativeRegion&) = delete;
  ~NativeRegion();

  // The region a window drawer described; empty for a description of no region, or when the
  // platform refuses.
  static NativeRegion build(const Region& description);

  HRGN get() const { return region_; }
  explicit operator bool() const { return region_ != nullptr; }
  HRGN detach();

 private:
  HRGN region_ = nullptr;
};

}  // namespace s::gui::drawer::win
