#pragma once

#include <cstdint>

namespace s::gui {

// A rectangle in screen coordinates: the window rectangle, the virtual screen, a work area.
struct ScreenRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  std::int32_t right() const { return x + width; }
  std::int32_t bottom() const { return y + height; }
  bool operator==(const ScreenRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
  bool operator!=(const ScreenRect& other) const { return !(*this == other); }
};

}  // namespace s::gui
