#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/Captioned.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/button/Thin.h"

namespace s::gui::drawer::checkbox::win {

// A white box in a two-pixel frame, ticked with the "#Check" glyph, and a caption beside it.
class Thin final : public Captioned<Thin, ICheckBox> {
 public:
  Thin();
  static s::base::Owned<Thin> create(Colour line, Colour text);

  const char16_t* className() const override { return u"s_gui_drawer_checkbox_win_Thin"; }
  // Frame (120, 120, 120), black captions, both flags clear, fresh sub-drawers.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, std::int32_t boxSize, const char16_t* caption,
             const s::gui::win::FontSetting* font, bool checked, bool enabled, bool hot) override;
  TextMeasure measure(ISurface& surface, const char16_t* caption,
                      const s::gui::win::FontSetting* font) override;

  Colour frameColour() const override { return frame_; }
  void setFrameColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    frame_ = rgb(red, green, blue);
  }
  bool boxCentred() const override { return boxCentred_; }
  void setBoxCentred(bool on) override { boxCentred_ = on; }
  bool tickInCaptionColour() const override { return tickInCaptionColour_; }
  void setTickInCaptionColour(bool on) override { tickInCaptionColour_ = on; }
  IButton& glyphDrawer() { return *glyph_; }

 private:
  Colour frame_;
  bool boxCentred_ = false;
  bool tickInCaptionColour_ = false;
  s::base::Owned<button::win::Thin> glyph_;
};

}  // namespace s::gui::drawer::checkbox::win
