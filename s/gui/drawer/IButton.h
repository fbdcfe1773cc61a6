#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class IBorder;
class IText;

// Push buttons, and the glyphs that buttons, check boxes and lists show.
class IButton : public IDrawer {
 public:
  // type 0 plain, 1 raised, 2 sunken (1 and 2 swap while hot). font is the caption's setting
  // for the control's state, taken from normalFont(), disabledFont() or hotFont() and completed
  // with the control's own font. A caption beginning with "#" may name a glyph.
  virtual void paint(ISurface& surface, const Rect& rect, std::int32_t type,
                     const char16_t* caption, bool framed, const s::gui::win::FontSetting& font,
                     bool enabled, bool hot, bool focused) = 0;
  // Draws the glyph called name into (left, top, right, bottom); false, drawing nothing, when the
  // name is not a glyph's.
  virtual bool drawGlyph(ISurface& surface, std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, const char16_t* name, std::uint8_t red,
                         std::uint8_t green, std::uint8_t blue) = 0;

  virtual Colour lineColour() const = 0;
  virtual void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour disabledLineColour() const = 0;
  virtual void setDisabledLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour hotLineColour() const = 0;
  virtual void setHotLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour hotFillColour() const = 0;
  virtual void setHotFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The frame's corner kind (0, 1 or 2; any other value draws no frame).
  virtual std::int32_t borderStyle() const = 0;
  virtual void setBorderStyle(std::int32_t style) = 0;
  // Raised and sunken captions move by a pixel, as if pressed in.
  virtual bool pushContent() const = 0;
  virtual void setPushContent(bool on) = 0;

  virtual s::gui::win::FontSetting& normalFont() = 0;
  virtual s::gui::win::FontSetting& disabledFont() = 0;
  virtual s::gui::win::FontSetting& hotFont() = 0;
  virtual IBorder& borderDrawer() = 0;
  virtual IText& captionDrawer() = 0;
  virtual IText& hotCaptionDrawer() = 0;
};

}  // namespace s::gui::drawer
