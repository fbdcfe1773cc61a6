#pragma once

#include <cstdint>

namespace s::gui::drawer {

// A rectangle of pixels: left and top inside, right and bottom just outside.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t width() const { return right - left; }
  std::int32_t height() const { return bottom - top; }
  bool isEmpty() const { return left >= right || top >= bottom; }
  // Shrinks by dx on the left and right and by dy on the top and bottom (grows when negative).
  Rect inset(std::int32_t dx, std::int32_t dy) const {
    return Rect{left + dx, top + dy, right - dx, bottom - dy};
  }
  Rect offset(std::int32_t dx, std::int32_t dy) const {
    return Rect{left + dx, top + dy, right + dx, bottom + dy};
  }
  bool operator==(const Rect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  bool operator!=(const Rect& other) const { return !(*this == other); }
};

// The rectangle at (x, y) measuring width x height.
inline Rect rectAt(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  return Rect{x, y, x + width, y + height};
}

}  // namespace s::gui::drawer
