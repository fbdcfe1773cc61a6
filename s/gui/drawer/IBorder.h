#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// One-pixel frames and lines.
class IBorder : public IDrawer {
 public:
  // shape 0 raised, 1 soft, 2 sunken, 3 open at the bottom; corner kind 0 full edges, 1 and 2
  // cut corners. Drawers that draw a fixed line ignore shape, corner kind and colour.
  virtual void paint(ISurface& surface, const Rect& rect, std::int32_t shape,
                     std::int32_t cornerKind, Colour colour) = 0;
  // With shading the edges take lighter and darker shades of the colour.
  virtual void setShading(bool on) = 0;
  virtual bool shading() const = 0;
};

}  // namespace s::gui::drawer
