#pragma once

#include <windows.h>

#include <utility>

namespace s::gui::win {

// Owns one GDI object (a font, a brush) and deletes it when it goes. Move-only: a copy would
// delete the object twice.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(other.detach()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(other.detach());
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  Handle detach() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(Handle handle = nullptr) {
    Handle old = std::exchange(handle_, handle);
    if (old != nullptr) DeleteObject(old);
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;

}  // namespace s::gui::win
