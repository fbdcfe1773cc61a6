#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/statusbar/BasicResizer.h"

namespace s::gui::drawer::statusbar::win {

// The status bar of windows without a skin: on systems before 6.0 an optional band gradient in
// the platform's colours, then the size grip when asked for; from 6.0 on only the grip.
class Basic final : public Pooled<Basic, IStatusBar> {
 public:
  Basic();
  static s::base::Owned<Basic> create();

  const char16_t* className() const override { return u"s_gui_drawer_statusbar_win_Basic"; }
  // Both flags clear; the grip drawer given back and a fresh one taken.
  void reset() override;

  void paint(ISurface& surface, const Rect& rect) override;
  std::int32_t height() const override { return 23; }

  bool sizeGrip() const { return sizeGrip_; }
  void setSizeGrip(bool on) { sizeGrip_ = on; }
  bool gradient() const { return gradient_; }
  void setGradient(bool on) { gradient_ = on; }
  BasicResizer& gripDrawer() { return *grip_; }

 private:
  bool sizeGrip_ = false;
  bool gradient_ = false;
  s::base::Owned<BasicResizer> grip_;
};

}  // namespace s::gui::drawer::statusbar::win
