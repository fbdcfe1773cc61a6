#pragma once

#include "s/gui/ScreenRect.h"

namespace s::gui::host {

// The host's stand-in screens; until set, one 1280 x 1024 monitor with a 40-pixel taskbar.
void setScreens(const ScreenRect& virtualScreen, const ScreenRect& workArea);
void resetScreens();

}  // namespace s::gui::host
