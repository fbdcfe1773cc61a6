#pragma once

#include <cstdint>

#include "s/gui/drawer/Rect.h"

namespace s::gui::drawer {

// A window shape as the window drawer describes it: nothing, a rectangle, or a rectangle with
// rounded corners, optionally joined (logical OR) with a second rectangle that squares two of
// them. The Windows side turns it into a native region (s/gui/drawer/win/NativeRegion.h).
struct Region {
  enum class Kind { kNone, kRectangle, kRounded };

  Kind kind = Kind::kNone;
  Rect bounds;
  // Width and height of the corner ellipse of a rounded region.
  std::int32_t ellipse = 0;
  bool hasExtra = false;
  Rect extra;
};

}  // namespace s::gui::drawer
