#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A scroll bar: a framed track and a thumb sized by the visible page.
class IScrollBar : public IDrawer {
 public:
  // The range is [minimum, maximum]; page is how much of it is visible, position the first
  // visible value.
  virtual void paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t page, std::int32_t position,
                     bool enabled) = 0;
  // The bar's width across its direction.
  virtual std::int32_t thickness() const = 0;
  virtual void setThickness(std::int32_t thickness) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour barColour() const = 0;
  virtual void setBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
};

}  // namespace s::gui::drawer
