#pragma once

#include <windows.h>

#include <cstdint>

#include "s/gui/HoverTracker.h"

namespace s::gui::win {

// The capture a control holds while it shows its hover look. A window that is not in front
// hears no mouse beyond its own area, capture or not, so a hand leaving it quickly leaves the
// control hovered; while it holds the capture the control therefore also looks where the cursor
// is a few times a second.

// Takes or drops the capture (and its watch) as the tracker's actions say.
void applyHoverCapture(HWND control, std::uint32_t actions);

// For WM_TIMER: false when timer is not the watch's. Otherwise *actions is what the tracker
// says about a cursor that has left the control unheard (none while it is still over it, or a
// button is held: then the capture hears everything), for the control to apply.
bool hoverWatchTimer(HWND control, s::gui::HoverTracker& tracker, std::uintptr_t timer,
                     std::uint32_t* actions);

}  // namespace s::gui::win
