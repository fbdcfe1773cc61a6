#include "s/gui/drawer/border/UnderWindowMenu.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::border::win {

s::base::Owned<UnderWindowMenu> UnderWindowMenu::create() {
  return s::thread::obtain<UnderWindowMenu>();
}

void UnderWindowMenu::paint(ISurface& surface, const Rect& rect, std::int32_t, std::int32_t,
                            Colour) {
  if (rect.isEmpty()) return;
  const std::int32_t w = rect.width();
  surface.fill(0, 0, w, 1, rgb(172, 168, 153));
  if (rect.height() > 1) surface.fill(0, 1, w, 1, kWhite);
}

}  // namespace s::gui::drawer::border::win
