#pragma once

#include <cstdint>

namespace s::gui {

// The hover and press state of a control under the mouse (buttons, link labels): 0 none,
// 1 hover, 2 pressed. Each step answers what the control must do about it, as a set of
// actions; the control owns the capture, the tracker only says when to take and drop it.
class HoverTracker {
 public:
  static constexpr std::int32_t kNone = 0;
  static constexpr std::int32_t kHover = 1;
  static constexpr std::int32_t kPressed = 2;

  enum Action : std::uint32_t {
    kRepaint = 1u << 0,
    kCapture = 1u << 1,
    kReleaseCapture = 1u << 2,
    // A release inside after a press inside.
    kClick = 1u << 3,
  };

  std::int32_t state() const { return state_; }
  bool isPressed() const { return pressedInside_; }

  // A mouse move; inside is whether the point lies on the control.
  std::uint32_t moved(bool inside, bool buttonDown);
  // A left-button press at a point inside or outside the control.
  std::uint32_t pressed(bool inside);
  std::uint32_t released(bool inside);
  // Someone else took the mouse: the control no longer knows where it is.
  std::uint32_t captureLost();
  // Back to no hover, no press; the capture is assumed gone.
  void clear();

 private:
  std::uint32_t enter(std::int32_t state);

  std::int32_t state_ = kNone;
  bool pressedInside_ = false;
  bool captured_ = false;
};

}  // namespace s::gui
