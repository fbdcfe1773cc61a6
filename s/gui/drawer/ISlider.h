#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A slider: a groove, the part up to the value, and a thumb at the value.
class ISlider : public IDrawer {
 public:
  virtual void paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t value, bool enabled) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour barColour() const = 0;
  virtual void setBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // Groove and thumb of a disabled slider.
  virtual Colour disabledColour() const = 0;
  virtual void setDisabledColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
};

}  // namespace s::gui::drawer
