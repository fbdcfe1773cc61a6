#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/ITabBox.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::tabbox::win {

// The box of a tab control paints nothing itself: its tabs are buttons, its page the face.
class Thin final : public Pooled<Thin, ITabBox> {
 public:
  static s::base::Owned<Thin> create(Colour line);

  const char16_t* className() const override { return u"s_gui_drawer_tabbox_win_Thin"; }
  // Line (120, 120, 120), three plain caption settings.
  void reset() override;

  void paint(ISurface&, const Rect&) override {}
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  s::gui::win::FontSetting& captionFont(std::int32_t index) override;

 private:
  Colour line_ = rgb(120, 120, 120);
  s::gui::win::FontSetting captions_[3];
};

}  // namespace s::gui::drawer::tabbox::win
