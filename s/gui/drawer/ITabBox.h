#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A box of tabs; its tabs are drawn by the control through the button drawer.
class ITabBox : public IDrawer {
 public:
  virtual void paint(ISurface& surface, const Rect& rect) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // Three caption settings: normal, disabled and chosen tab (index 0 to 2).
  virtual s::gui::win::FontSetting& captionFont(std::int32_t index) = 0;
};

}  // namespace s::gui::drawer
