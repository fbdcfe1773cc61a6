#include "s/gui/drawer/SystemColours.h"

#include <windows.h>

namespace s::gui::drawer {

// COLORREF is the same layout as Colour.
Colour systemHighlightColour() { return GetSysColor(COLOR_HIGHLIGHT); }
Colour systemHighlightTextColour() { return GetSysColor(COLOR_HIGHLIGHTTEXT); }

}  // namespace s::gui::drawer
