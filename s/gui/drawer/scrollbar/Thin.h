#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IScrollBar.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::scrollbar::win {

// A framed track with a solid thumb sized by the visible page.
class Thin final : public Pooled<Thin, IScrollBar> {
 public:
  static s::base::Owned<Thin> create(Colour line, Colour bar);

  const char16_t* className() const override { return u"s_gui_drawer_scrollbar_win_Thin"; }
  // Line and bar (120, 120, 120), thickness 15.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
             std::int32_t maximum, std::int32_t page, std::int32_t position, bool enabled) override;
  std::int32_t thickness() const override { return thickness_; }
  void setThickness(std::int32_t thickness) override { thickness_ = thickness; }
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  Colour barColour() const override { return bar_; }
  void setBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    bar_ = rgb(red, green, blue);
  }

  // The smallest thumb, so that it stays grabbable in a long range.
  static constexpr std::int32_t kMinimumThumb = 8;

 private:
  Colour line_ = rgb(120, 120, 120);
  Colour bar_ = rgb(120, 120, 120);
  std::int32_t thickness_ = 15;
};

}  // namespace s::gui::drawer::scrollbar::win
