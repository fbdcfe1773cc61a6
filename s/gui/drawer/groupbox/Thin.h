#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/Captioned.h"
#include "s/gui/drawer/IGroupBox.h"

namespace s::gui::drawer::groupbox::win {

// A one-pixel frame whose top edge runs through the middle of the caption, broken for it.
class Thin final : public Captioned<Thin, IGroupBox> {
 public:
  Thin();
  static s::base::Owned<Thin> create(Colour line);

  const char16_t* className() const override { return u"s_gui_drawer_groupbox_win_Thin"; }
  // Line (120, 120, 120), black captions, a fresh caption drawer.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
             const s::gui::win::FontSetting* font, bool enabled) override;
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }

  // Where the caption starts, from the frame's left edge.
  static constexpr std::int32_t kCaptionIndent = 8;

 private:
  Colour line_;
};

}  // namespace s::gui::drawer::groupbox::win
