#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class IText;

// One column title of a list.
class IListHeader : public IDrawer {
 public:
  // font (may be null) is the control's own, completed from the caption colour.
  virtual void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                     const s::gui::win::FontSetting* font, bool pressed) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour fillColour() const = 0;
  virtual void setFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The title's background is filled; clear, only its lines are drawn.
  virtual bool filled() const = 0;
  virtual void setFilled(bool on) = 0;
  virtual Colour captionColour() const = 0;
  virtual void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
