#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::statusbar::win {

// The size grip in a status bar's bottom-right corner: six dots with white highlights.
class BasicResizer final : public Pooled<BasicResizer, IStatusBar> {
 public:
  static s::base::Owned<BasicResizer> create();

  const char16_t* className() const override { return u"s_gui_drawer_statusbar_win_BasicResizer"; }
  void reset() override {}

  void paint(ISurface& surface, const Rect& rect) override;
  // The grip's own extent.
  std::int32_t height() const override { return 12; }
};

}  // namespace s::gui::drawer::statusbar::win
