#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IBorder.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::border::win {

// The etched line below a window's menu bar: a dark row over a white one.
class UnderWindowMenu final : public Pooled<UnderWindowMenu, IBorder> {
 public:
  static s::base::Owned<UnderWindowMenu> create();

  const char16_t* className() const override { return u"s_gui_drawer_border_win_UnderWindowMenu"; }
  void reset() override {}

  // Paints at the control's origin across the rectangle's width; shape, corner kind and colour
  // do not apply.
  void paint(ISurface& surface, const Rect& rect, std::int32_t shape, std::int32_t cornerKind,
             Colour colour) override;
  // The line has no shades.
  void setShading(bool) override {}
  bool shading() const override { return false; }
};

}  // namespace s::gui::drawer::border::win
