#include "s/gui/drawer/image/Basic.h"

#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::image::win {

using s::image::win::BufferedImage;

s::base::Owned<Basic> Basic::create() { return s::thread::obtain<Basic>(); }

void Basic::paint(ISurface& surface, BufferedImage* windowImage, const Rect& rect,
                  BufferedImage* picture, bool fit, bool framed, bool alphaAware) {
  if (picture == nullptr || rect.isEmpty()) return;
  Rect area = rect;
  if (framed) {
    surface.fill(area.left, area.top, area.width(), 1, kBlack);
    surface.fill(area.right - 1, area.top, 1, area.height(), kBlack);
    surface.fill(area.left, area.bottom - 1, area.width(), 1, kBlack);
    surface.fill(area.left, area.top, 1, area.height(), kBlack);
    area = area.inset(1, 1);
    if (area.isEmpty()) return;
  }
  // The filtered copy is the picture's own cache; drawing it only refreshes its scaled copy.
  BufferedImage& shown = *const_cast<BufferedImage*>(picture->filteredCopy());
  if (alphaAware && shown.alphaInUse() && windowImage != nullptr) {
    shown.copyInto(*windowImage, area.left, area.top, 0, 0, area.width(), area.height(), fit);
  } else {
    surface.drawImage(shown, area, fit);
  }
}

}  // namespace s::gui::drawer::image::win
