#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/Captioned.h"
#include "s/gui/drawer/IRadioButton.h"

namespace s::gui::drawer::radiobutton::win {

// A white disc in a ring, with a dot when chosen, and a caption beside it.
class Thin final : public Captioned<Thin, IRadioButton> {
 public:
  Thin();
  static s::base::Owned<Thin> create(Colour line, Colour text);

  const char16_t* className() const override { return u"s_gui_drawer_radiobutton_win_Thin"; }
  // Ring (120, 120, 120), black dot and captions, a fresh caption drawer.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, std::int32_t markSize, const char16_t* caption,
             const s::gui::win::FontSetting* font, bool checked, bool enabled, bool hot) override;
  TextMeasure measure(ISurface& surface, const char16_t* caption,
                      const s::gui::win::FontSetting* font) override;

  Colour circleColour() const override { return circle_; }
  void setCircleColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    circle_ = rgb(red, green, blue);
  }
  Colour secondColour() const override { return dot_; }
  void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    dot_ = rgb(red, green, blue);
  }

 private:
  Colour circle_;
  Colour dot_ = kBlack;
};

}  // namespace s::gui::drawer::radiobutton::win
