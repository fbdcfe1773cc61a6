#include "s/gui/win/HoverCapture.h"

#include "s/gui/win/ControlPaint.h"

namespace s::gui::win {

namespace {

// Beside the buttons' repeat timers (20001, 20002) and the labels' temporary text (100).
constexpr UINT_PTR kHoverWatch = 20003;
constexpr UINT kHoverWatchMs = 100;

}  // namespace

void applyHoverCapture(HWND control, std::uint32_t actions) {
  if ((actions & s::gui::HoverTracker::kCapture) != 0) {
    SetCapture(control);
    SetTimer(control, kHoverWatch, kHoverWatchMs, nullptr);
  }
  if ((actions & s::gui::HoverTracker::kReleaseCapture) != 0) {
    KillTimer(control, kHoverWatch);
    if (GetCapture() == control) ReleaseCapture();
  }
}

bool hoverWatchTimer(HWND control, s::gui::HoverTracker& tracker, std::uintptr_t timer,
                     std::uint32_t* actions) {
  if (timer != kHoverWatch) return false;
  *actions = 0;
  // The capture went elsewhere (its loss was told) or was given up without the tracker.
  if (GetCapture() != control) {
    KillTimer(control, kHoverWatch);
    return true;
  }
  const bool buttonDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0 ||
                          (GetKeyState(VK_RBUTTON) & 0x8000) != 0 ||
                          (GetKeyState(VK_MBUTTON) & 0x8000) != 0;
  if (tracker.isPressed() || buttonDown || isCursorInside(control)) return true;
  *actions = tracker.moved(false, false);
  return true;
}

}  // namespace s::gui::win
