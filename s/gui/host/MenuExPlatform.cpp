#include "s/base/Owned.h"
#include "s/gui/FontSize.h"
#include "s/gui/MenuEx.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

// Without a platform, titles are measured on the image surface's grid of character cells,
// nothing paints in answer to a message (tests call paint() themselves) and there are no
// native fonts.
namespace s::gui::win {

void MenuEx::remeasure() {
  s::base::Owned<s::image::win::BufferedImage> picture =
      s::thread::obtain<s::image::win::BufferedImage>();
  picture->create(1, 1);
  s::gui::drawer::ImageSurface surface(*picture);
  measureTitles(surface);
}

bool MenuEx::paintNow() { return false; }

// The host's surfaces have one font: a size code is only checked.
void* MenuEx::fontHandle(std::int32_t) { return nullptr; }

bool MenuEx::applyFontSizeCode(std::int32_t code) {
  s::gui::FontSize size;
  return s::gui::fontSizeOfCode(code, &size);
}

void MenuEx::releaseFonts() {}

}  // namespace s::gui::win
