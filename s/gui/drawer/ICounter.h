#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A count shown as a filled share of a framed bar.
class ICounter : public IDrawer {
 public:
  // value is clamped to [0, maximum]; a maximum of 0 or less shows an empty bar.
  virtual void paint(ISurface& surface, const Rect& rect, std::int32_t value,
                     std::int32_t maximum) = 0;
  // The bar's track.
  virtual Colour firstColour() const = 0;
  virtual void setFirstColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The counted share.
  virtual Colour secondColour() const = 0;
  virtual void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The frame.
  virtual Colour thirdColour() const = 0;
  virtual void setThirdColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
};

}  // namespace s::gui::drawer
