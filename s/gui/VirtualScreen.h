#pragma once

#include "s/gui/ScreenRect.h"

namespace s::gui {

// The rectangle spanning every monitor (SM_XVIRTUALSCREEN ... SM_CYVIRTUALSCREEN).
ScreenRect virtualScreen();
// The primary monitor's area not covered by the taskbar (SPI_GETWORKAREA).
ScreenRect workArea();

}  // namespace s::gui
