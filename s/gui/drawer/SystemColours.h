#pragma once

#include "s/gui/drawer/Colour.h"

namespace s::gui::drawer {

// The platform's selection colours (GetSysColor with COLOR_HIGHLIGHT and COLOR_HIGHLIGHTTEXT
// on Windows; settable stand-ins on the host, s/gui/drawer/host/HostSystemColours.h).
Colour systemHighlightColour();
Colour systemHighlightTextColour();

}  // namespace s::gui::drawer
