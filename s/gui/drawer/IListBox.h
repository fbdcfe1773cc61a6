#pragma once

#include <cstdint>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

class IText;

// A list's background and its rows.
class IListBox : public IDrawer {
 public:
  virtual void paintBackground(ISurface& surface, const Rect& rect) = 0;
  // One row; odd rows are striped. A checkable row keeps room for a tick before its text and
  // shows it when checked. font (may be null) is the control's own.
  virtual void paintItem(ISurface& surface, const Rect& rect, std::int32_t index,
                         const char16_t* text, const s::gui::win::FontSetting* font, bool selected,
                         bool checkable, bool checked) = 0;
  // The five colours: background, text, selected row, selected text, stripe.
  virtual Colour colour(std::int32_t index) const = 0;
  virtual void setColour(std::int32_t index, std::uint8_t red, std::uint8_t green,
                         std::uint8_t blue) = 0;
  virtual IText& captionDrawer() = 0;
};

}  // namespace s::gui::drawer
