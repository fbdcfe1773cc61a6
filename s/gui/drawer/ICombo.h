#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class IText;

// A drop-down field: a caption, a frame and an arrow.
class ICombo : public IDrawer {
 public:
  // state 0 normal, 1 hot, 2 pressed; font carries the caption's colour (see captionFont).
  virtual void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                     const s::gui::win::FontSetting& font, std::int32_t state) = 0;
  // The caption setting for a state: the text colour when normal, the caption drawer's when hot
  // or pressed.
  virtual s::gui::win::FontSetting captionFont(std::int32_t state) = 0;

  virtual Colour textColour() const = 0;
  virtual void setTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour secondCaptionColour() const = 0;
  virtual void setSecondCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
