#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IBorder.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::border::win {

// One-pixel frames whose edges take lighter and darker shades of one colour.
class Thin final : public Pooled<Thin, IBorder> {
 public:
  static s::base::Owned<Thin> create();

  const char16_t* className() const override { return u"s_gui_drawer_border_win_Thin"; }
  // Shading on.
  void reset() override { shading_ = true; }

  void paint(ISurface& surface, const Rect& rect, std::int32_t shape, std::int32_t cornerKind,
             Colour colour) override;
  void setShading(bool on) override { shading_ = on; }
  bool shading() const override { return shading_; }

  // The colour's channels times percent / 100, each truncated and limited to 255.
  static Colour shade(Colour colour, std::int32_t percent);

 private:
  bool shading_ = true;
};

}  // namespace s::gui::drawer::border::win
