#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/text/Basic.h"

namespace s::gui::drawer::button::win {

// Flat buttons with a shaded one-pixel frame, a fill while hot, and captions or glyphs.
class Thin final : public Pooled<Thin, IButton> {
 public:
  Thin();
  // A drawer with the line colour whose raised and sunken captions move when pressed.
  static s::base::Owned<Thin> create(Colour line);

  const char16_t* className() const override { return u"s_gui_drawer_button_win_Thin"; }
  // Every colour (120, 120, 120), border style 1, content not pushed, fresh sub-drawers.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, std::int32_t type, const char16_t* caption,
             bool framed, const s::gui::win::FontSetting& font, bool enabled, bool hot,
             bool focused) override;
  bool drawGlyph(ISurface& surface, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, const char16_t* name, std::uint8_t red, std::uint8_t green,
                 std::uint8_t blue) override;

  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  Colour disabledLineColour() const override { return disabledLine_; }
  void setDisabledLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    disabledLine_ = rgb(red, green, blue);
  }
  Colour hotLineColour() const override { return hotLine_; }
  void setHotLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    hotLine_ = rgb(red, green, blue);
  }
  Colour hotFillColour() const override { return hotFill_; }
  void setHotFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    hotFill_ = rgb(red, green, blue);
  }
  std::int32_t borderStyle() const override { return borderStyle_; }
  void setBorderStyle(std::int32_t style) override { borderStyle_ = style; }
  bool pushContent() const override { return pushContent_; }
  void setPushContent(bool on) override { pushContent_ = on; }

  s::gui::win::FontSetting& normalFont() override;
  s::gui::win::FontSetting& disabledFont() override;
  s::gui::win::FontSetting& hotFont() override;
  IBorder& borderDrawer() override { return *border_; }
  IText& captionDrawer() override { return *caption_; }
  IText& hotCaptionDrawer() override { return *hotCaption_; }

 private:
  void takeSubDrawers();

  Colour line_;
  Colour disabledLine_;
  Colour hotLine_;
  Colour hotFill_;
  std::int32_t borderStyle_ = 1;
  bool pushContent_ = false;
  s::base::Owned<border::win::Thin> border_;
  s::base::Owned<text::win::Basic> caption_;
  s::base::Owned<text::win::Basic> hotCaption_;
};

}  // namespace s::gui::drawer::button::win
