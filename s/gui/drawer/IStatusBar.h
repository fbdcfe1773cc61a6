#pragma once

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A status bar's background, and the size grip at its right end.
class IStatusBar : public IDrawer {
 public:
  // Paints at the control's origin: width and height come from the rectangle.
  virtual void paint(ISurface& surface, const Rect& rect) = 0;
  // The height the bar asks for.
  virtual std::int32_t height() const = 0;
};

}  // namespace s::gui::drawer
