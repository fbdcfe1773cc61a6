#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/ICounter.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::counter::win {

// A framed bar whose counted share is filled from the left.
class Basic final : public Pooled<Basic, ICounter> {
 public:
  static s::base::Owned<Basic> create(Colour first, Colour second);

  const char16_t* className() const override { return u"s_gui_drawer_counter_win_Basic"; }
  // Track (176, 176, 176), share (255, 165, 0), frame black.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, std::int32_t value,
             std::int32_t maximum) override;
  Colour firstColour() const override { return first_; }
  void setFirstColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    first_ = rgb(red, green, blue);
  }
  Colour secondColour() const override { return second_; }
  void setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    second_ = rgb(red, green, blue);
  }
  Colour thirdColour() const override { return third_; }
  void setThirdColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    third_ = rgb(red, green, blue);
  }

 private:
  Colour first_ = rgb(176, 176, 176);
  Colour second_ = rgb(255, 165, 0);
  Colour third_ = kBlack;
};

}  // namespace s::gui::drawer::counter::win
