#pragma once

#include "s/gui/ScreenRect.h"

// Where a top-level window may go: the rules a window applies to a stored or proposed place.
namespace s::gui {

// A stored place is usable when the window is larger than 10 x 10 and at least 10 pixels of it
// lie inside the virtual screen horizontally and vertically.
bool isStoredPositionUsable(const ScreenRect& window, const ScreenRect& screen);

// The window shifted left and up until its right and bottom edges are inside the screen, then
// right and down until its left and top edges are; its size is kept.
ScreenRect moveIntoScreen(const ScreenRect& window, const ScreenRect& screen);

// A window of the given size centred on the work area, never above or left of its top-left.
ScreenRect centreOnArea(std::int32_t width, std::int32_t height, const ScreenRect& area);

// Whether a stored width or height is one a window may take: at least 10 and no larger than the
// virtual screen's extent on that axis.
bool isStoredExtentValid(std::int32_t extent, std::int32_t screenExtent);

}  // namespace s::gui
