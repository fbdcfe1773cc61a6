#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/ISlider.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::slider::win {

// A two-pixel groove, the part up to the value in the bar colour, and a thumb at the value.
class Thin final : public Pooled<Thin, ISlider> {
 public:
  static s::base::Owned<Thin> create(Colour line, Colour bar);

  const char16_t* className() const override { return u"s_gui_drawer_slider_win_Thin"; }
  // Every colour (120, 120, 120).
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
             std::int32_t maximum, std::int32_t value, bool enabled) override;
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  Colour barColour() const override { return bar_; }
  void setBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    bar_ = rgb(red, green, blue);
  }
  Colour disabledColour() const override { return disabled_; }
  void setDisabledColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    disabled_ = rgb(red, green, blue);
  }

  // The thumb's length along the groove.
  static constexpr std::int32_t kThumb = 6;

 private:
  Colour line_ = rgb(120, 120, 120);
  Colour bar_ = rgb(120, 120, 120);
  Colour disabled_ = rgb(120, 120, 120);
};

}  // namespace s::gui::drawer::slider::win
