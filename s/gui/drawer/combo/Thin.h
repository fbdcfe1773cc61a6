#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/text/Basic.h"

namespace s::gui::drawer::combo::win {

// A drop-down field: a soft frame (sunken while pressed), the caption and a down arrow.
class Thin final : public Pooled<Thin, ICombo> {
 public:
  Thin();
  static s::base::Owned<Thin> create(Colour text, Colour line);

  const char16_t* className() const override { return u"s_gui_drawer_combo_win_Thin"; }
  // Black texts, line (120, 120, 120), fresh sub-drawers.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
             const s::gui::win::FontSetting& font, std::int32_t state) override;
  s::gui::win::FontSetting captionFont(std::int32_t state) override;

  Colour textColour() const override { return text_; }
  void setTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    text_ = rgb(red, green, blue);
  }
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  Colour secondCaptionColour() const override;
  void setSecondCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  IText& captionDrawer() override { return *caption_; }

  // Room the arrow takes at the right end.
  static constexpr std::int32_t kArrowWidth = 14;

 private:
  void takeSubDrawers();

  Colour text_ = kBlack;
  Colour line_;
  s::base::Owned<text::win::Basic> caption_;
  s::base::Owned<border::win::Thin> border_;
};

}  // namespace s::gui::drawer::combo::win
