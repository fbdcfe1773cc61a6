#include "s/gui/drawer/counter/Basic.h"

#include <algorithm>

#include "s/thread/Pool.h"

namespace s::gui::drawer::counter::win {

s::base::Owned<Basic> Basic::create(Colour first, Colour second) {
  s::base::Owned<Basic> drawer = s::thread::obtain<Basic>();
  drawer->setFirstColour(redOf(first), greenOf(first), blueOf(first));
  drawer->setSecondColour(redOf(second), greenOf(second), blueOf(second));
  return drawer;
}

void Basic::reset() {
  first_ = rgb(176, 176, 176);
  second_ = rgb(255, 165, 0);
  third_ = kBlack;
}

void Basic::paint(ISurface& surface, const Rect& rect, std::int32_t value, std::int32_t maximum) {
  if (rect.isEmpty()) return;
  surface.fill(rect.left, rect.top, rect.width(), 1, third_);
  surface.fill(rect.right - 1, rect.top, 1, rect.height(), third_);
  surface.fill(rect.left, rect.bottom - 1, rect.width(), 1, third_);
  surface.fill(rect.left, rect.top, 1, rect.height(), third_);
  const Rect inner = rect.inset(1, 1);
  if (inner.isEmpty()) return;
  surface.fillRect(inner, first_);
  if (maximum <= 0) return;
  const std::int64_t counted = std::clamp(value, 0, maximum);
  const auto share = static_cast<std::int32_t>(inner.width() * counted / maximum);
  surface.fill(inner.left, inner.top, share, inner.height(), second_);
}

}  // namespace s::gui::drawer::counter::win
