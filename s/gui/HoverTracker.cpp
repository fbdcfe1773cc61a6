#include "s/gui/HoverTracker.h"

namespace s::gui {

std::uint32_t HoverTracker::enter(std::int32_t state) {
  if (state == state_) return 0;
  state_ = state;
  return kRepaint;
}

std::uint32_t HoverTracker::moved(bool inside, bool buttonDown) {
  if (pressedInside_) {
    // Dragged off a pressed control it looks released; back on it, pressed again.
    return enter(inside ? kPressed : kNone);
  }
  if (inside && !buttonDown) {
    std::uint32_t actions = enter(kHover);
    if (!captured_) {
      captured_ = true;
      actions |= kCapture;
    }
    return actions;
  }
  if (inside) return 0;
  std::uint32_t actions = enter(kNone);
  if (captured_) {
    captured_ = false;
    actions |= kReleaseCapture;
  }
  return actions;
}

std::uint32_t HoverTracker::pressed(bool inside) {
  if (!inside) return moved(false, true);
  pressedInside_ = true;
  std::uint32_t actions = enter(kPressed);
  if (!captured_) {
    captured_ = true;
    actions |= kCapture;
  }
  return actions;
}

std::uint32_t HoverTracker::released(bool inside) {
  std::uint32_t actions = pressedInside_ && inside ? std::uint32_t{kClick} : 0u;
  pressedInside_ = false;
  actions |= enter(inside ? kHover : kNone);
  if (!inside && captured_) {
    captured_ = false;
    actions |= kReleaseCapture;
  }
  return actions;
}

std::uint32_t HoverTracker::captureLost() {
  captured_ = false;
  pressedInside_ = false;
  return enter(kNone);
}

void HoverTracker::clear() {
  state_ = kNone;
  pressedInside_ = false;
  captured_ = false;
}

}  // namespace s::gui
