#pragma once

#include "s/base/Owned.h"
#include "s/gui/drawer/IImage.h"
#include "s/gui/drawer/Pooled.h"

namespace s::gui::drawer::image::win {

// Pictures in image controls, optionally framed, scaled and alpha-aware.
class Basic final : public Pooled<Basic, IImage> {
 public:
  static s::base::Owned<Basic> create();

  const char16_t* className() const override { return u"s_gui_drawer_image_win_Basic"; }
  void reset() override {}

  void paint(ISurface& surface, s::image::win::BufferedImage* windowImage, const Rect& rect,
             s::image::win::BufferedImage* picture, bool fit, bool framed,
             bool alphaAware) override;
};

}  // namespace s::gui::drawer::image::win
