#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IListHeader.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/text/Basic.h"

namespace s::gui::drawer::listheader::win {

// A column title: filled background, a line below and a separator at the right end.
class Thin final : public Pooled<Thin, IListHeader> {
 public:
  Thin();
  static s::base::Owned<Thin> create(Colour line, Colour fill);

  const char16_t* className() const override { return u"s_gui_drawer_listheader_win_Thin"; }
  // Line (120, 120, 120), white fill, not filled, black caption, a fresh caption drawer.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect, const char16_t* caption,
             const s::gui::win::FontSetting* font, bool pressed) override;
  Colour lineColour() const override { return line_; }
  void setLineColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    line_ = rgb(red, green, blue);
  }
  Colour fillColour() const override { return fill_; }
  void setFillColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    fill_ = rgb(red, green, blue);
  }
  bool filled() const override { return filled_; }
  void setFilled(bool on) override { filled_ = on; }
  Colour captionColour() const override;
  void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  IText& captionDrawer() override { return *caption_; }

 private:
  Colour line_;
  Colour fill_ = kWhite;
  bool filled_ = false;
  s::base::Owned<text::win::Basic> caption_;
};

}  // namespace s::gui::drawer::listheader::win
