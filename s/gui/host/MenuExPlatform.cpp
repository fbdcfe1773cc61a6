#include "s/base/Owned.h"
#include "s/gui/MenuEx.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

// Without a platform, titles are measured on the image surface's grid of character cells and
// nothing paints in answer to a message (tests call paint() themselves).
namespace s::gui::win {

void MenuEx::remeasure() {
  s::base::Owned<s::image::win::BufferedImage> picture =
      s::thread::obtain<s::image::win::BufferedImage>();
  picture->create(1, 1);
  s::gui::drawer::ImageSurface surface(*picture);
  measureTitles(surface);
}

bool MenuEx::paintNow() { return false; }

}  // namespace s::gui::win
