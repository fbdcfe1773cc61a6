#include "s/gui/drawer/tabbox/Thin.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::tabbox::win {

s::base::Owned<Thin> Thin::create(Colour line) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  return drawer;
}

void Thin::reset() {
  line_ = rgb(120, 120, 120);
  for (s::gui::win::FontSetting& caption : captions_) caption.clear();
}

s::gui::win::FontSetting& Thin::captionFont(std::int32_t index) {
  return captions_[index >= 0 && index < 3 ? index : 0];
}

}  // namespace s::gui::drawer::tabbox::win
