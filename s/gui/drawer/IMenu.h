#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class ICombo;
class IMenuCaption;
class IText;

// A menu bar drawn by the toolkit.
class IMenu : public IDrawer {
 public:
  // items[i] is shown in itemRects[i]; captions are inset by (offsetX, offsetY). highlighted is
  // the hot title's index (-1: none). In alternative mode the bar is one drop-down field.
  virtual void paint(ISurface& surface, const Rect& rect, const IMenuCaption* const* items,
                     const Rect* itemRects, std::int32_t count, Colour normalText,
                     Colour highlightedText, std::int32_t offsetX, std::int32_t offsetY,
                     std::int32_t highlighted, bool pressed, bool alternative) = 0;

  // The first setting's colour is the normal text colour, the second's the highlighted one; a
  // menu control puts its two fonts into them.
  virtual s::gui::win::FontSetting& fontSetting(std::int32_t index) = 0;
  virtual Colour normalTextColour() const = 0;
  virtual void setNormalTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual Colour highlightedTextColour() const = 0;
  virtual void setHighlightedTextColour(std::uint8_t red, std::uint8_t green,
                                        std::uint8_t blue) = 0;
  virtual Colour itemFillColour() const = 0;
  virtual void setItemFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  // The hot title is filled.
  virtual bool fill() const = 0;
  virtual void setFill(bool on) = 0;
  // The hot title's caption moves by a pixel, down when pressed and up when not.
  virtual bool shift() const = 0;
  virtual void setShift(bool on) = 0;
  virtual ICombo& comboDrawer() = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
