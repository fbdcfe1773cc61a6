#pragma once

#include <cstdint>

namespace s::gui {

// The answers of a frameless window's own border, with the platform's hit-test values.
enum class FrameHit : std::int32_t {
  kNone = 0,  // not on the border: the window's ordinary answer applies
  kLeft = 10,
  kRight = 11,
  kTop = 12,
  kTopLeft = 13,
  kTopRight = 14,
  kBottom = 15,
  kBottomLeft = 16,
  kBottomRight = 17,
};

constexpr std::int32_t kFrameBorder = 5;
constexpr std::int32_t kFrameCorner = 30;

// The border zone under (x, y), relative to the window's top-left, of a window width x height:
// a border 5 pixels wide whose corner zones run 30 pixels along each edge.
FrameHit frameHitTest(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

}  // namespace s::gui
