#pragma once

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ISurface.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::drawer {

// A picture in a control.
class IImage : public IDrawer {
 public:
  // Draws picture at the rectangle (scaled to it with fit), inside a black frame when framed.
  // With alphaAware, a picture whose alpha is in use is copied into windowImage (the window's
  // buffered image) instead of drawn through the surface. Null pictures draw nothing.
  virtual void paint(ISurface& surface, s::image::win::BufferedImage* windowImage, const Rect& rect,
                     s::image::win::BufferedImage* picture, bool fit, bool framed,
                     bool alphaAware) = 0;
};

}  // namespace s::gui::drawer
