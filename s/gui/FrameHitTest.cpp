#include "s/gui/FrameHitTest.h"

namespace s::gui {

FrameHit frameHitTest(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  // The edges are tested in this order, so a corner pixel belongs to the first edge that claims
  // it: right, bottom, left, top.
  if (x > width - kFrameBorder) {
    if (y < kFrameCorner) return FrameHit::kTopRight;
    if (y <= height - kFrameCorner) return FrameHit::kRight;
    return FrameHit::kBottomRight;
  }
  if (y > height - kFrameBorder) {
    if (x < kFrameCorner) return FrameHit::kBottomLeft;
    if (x <= width - kFrameCorner) return FrameHit::kBottom;
    return FrameHit::kBottomRight;
  }
  if (x < kFrameBorder) {
    if (y > height - kFrameCorner) return FrameHit::kBottomLeft;
    if (y < kFrameCorner) return FrameHit::kTopLeft;
    return FrameHit::kLeft;
  }
  if (y < kFrameBorder) {
    if (x > width - kFrameCorner) return FrameHit::kTopRight;
    if (x < kFrameCorner) return FrameHit::kTopLeft;
    return FrameHit::kTop;
  }
  return FrameHit::kNone;
}

}  // namespace s::gui
