#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::statusbar::win {

// The skinned status bar: it leaves the window's face showing.
class Thin final : public Pooled<Thin, IStatusBar> {
 public:
  static s::base::Owned<Thin> create(Colour line);

  const char16_t* className() const override { return u"s_gui_drawer_statusbar_win_Thin"; }
  void reset() override { line_ = rgb(120, 120, 120); }

  void paint(ISurface&, const Rect&) override {}
  std::int32_t height() const override { return 13; }

  Colour lineColour() const { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    line_ = rgb(red, green, blue);
  }

 private:
  Colour line_ = rgb(120, 120, 120);
};

}  // namespace s::gui::drawer::statusbar::win
