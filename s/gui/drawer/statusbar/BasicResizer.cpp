#include "s/gui/drawer/statusbar/BasicResizer.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::statusbar::win {

s::base::Owned<BasicResizer> BasicResizer::create() { return s::thread::obtain<BasicResizer>(); }

void BasicResizer::paint(ISurface& surface, const Rect& rect) {
  if (rect.isEmpty()) return;
  const std::int32_t w = rect.width();
  const std::int32_t h = rect.height();
  const std::int32_t dots[6][2] = {{w - 4, h - 12}, {w - 4, h - 8}, {w - 8, h - 8},
                                   {w - 4, h - 4},  {w - 8, h - 4}, {w - 12, h - 4}};
  for (const auto& dot : dots) {
    surface.fill(dot[0] + 1, dot[1] + 1, 2, 2, kWhite);
    surface.fill(dot[0], dot[1], 2, 2, rgb(184, 181, 161));
  }
}

}  // namespace s::gui::drawer::statusbar::win
