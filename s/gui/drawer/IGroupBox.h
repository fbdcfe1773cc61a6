#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class IText;

// A frame around a group of controls, its caption set into the top edge.
class IGroupBox : public IDrawer {
 public:
  virtual void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                     const s::gui::win::FontSetting* font, bool enabled) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The caption's colour when enabled and when disabled.
  virtual Colour captionColour() const = 0;
  virtual void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour disabledCaptionColour() const = 0;
  virtual void setDisabledCaptionColour(std::uint8_t red, std::uint8_t green,
                                        std::uint8_t blue) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
