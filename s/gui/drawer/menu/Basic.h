#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IMenu.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/combo/Thin.h"
#include "s/gui/drawer/text/Basic.h"

namespace s::gui::drawer::menu::win {

// The menu bar of windows without a skin: titles in a row, the hot one filled in the system's
// highlight colours; in alternative mode the bar is one drop-down field.
class Basic final : public Pooled<Basic, IMenu> {
 public:
  Basic();
  // A drawer with the three colours, the hot title not filled and its caption shifting.
  static s::base::Owned<Basic> create(Colour normalText, Colour itemFill, Colour highlightedText);

  const char16_t* className() const override { return u"s_gui_drawer_menu_win_Basic"; }
  // The system's highlight colours, fill on, shift off, fresh sub-drawers.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, const IMenuCaption* const* items,
             const Rect* itemRects, std::int32_t count, Colour normalText, Colour highlightedText,
             std::int32_t offsetX, std::int32_t offsetY, std::int32_t highlighted, bool pressed,
             bool alternative) override;

  s::gui::win::FontSetting& fontSetting(std::int32_t index) override;
  Colour normalTextColour() const override { return fonts_[0].textColour(); }
  void setNormalTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    fonts_[0].setTextColour(red, green, blue);
  }
  Colour highlightedTextColour() const override { return fonts_[1].textColour(); }
  void setHighlightedTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    fonts_[1].setTextColour(red, green, blue);
  }
  Colour itemFillColour() const override { return itemFill_; }
  void setItemFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    itemFill_ = rgb(red, green, blue);
  }
  bool fill() const override { return fill_; }
  void setFill(bool on) override { fill_ = on; }
  bool shift() const override { return shift_; }
  void setShift(bool on) override { shift_ = on; }
  ICombo& comboDrawer() override { return *combo_; }
  IText& captionDrawer() override { return *caption_; }

 private:
  void setDefaults();

  s::gui::win::FontSetting fonts_[2];
  Colour itemFill_ = 0;
  bool fill_ = true;
  bool shift_ = false;
  s::base::Owned<combo::win::Thin> combo_;
  s::base::Owned<text::win::Basic> caption_;
};

}  // namespace s::gui::drawer::menu::win
