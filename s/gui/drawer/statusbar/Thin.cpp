#include "s/gui/drawer/statusbar/Thin.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::statusbar::win {

s::base::Owned<Thin> Thin::create(Colour line) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  return drawer;
}

}  // namespace s::gui::drawer::statusbar::win
