#include "s/gui/drawer/scrollbar/Thin.h"

#include <algorithm>
#include <cstdint>

#include "s/thread/Pool.h"

namespace s::gui::drawer::scrollbar::win {

s::base::Owned<Thin> Thin::create(Colour line, Colour bar) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setBarColour(redOf(bar), greenOf(bar), blueOf(bar));
  drawer->setThickness(15);
  return drawer;
}

void Thin::reset() {
  line_ = rgb(120, 120, 120);
  bar_ = rgb(120, 120, 120);
  thickness_ = 15;
}

void Thin::paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
                 std::int32_t maximum, std::int32_t page, std::int32_t position, bool enabled) {
  if (rect.isEmpty()) return;
  surface.fill(rect.left, rect.top, rect.width(), 1, line_);
  surface.fill(rect.right - 1, rect.top, 1, rect.height(), line_);
  surface.fill(rect.left, rect.bottom - 1, rect.width(), 1, line_);
  surface.fill(rect.left, rect.top, 1, rect.height(), line_);
  const Rect track = rect.inset(2, 2);
  // A disabled bar, or one whose whole range is visible, has nothing to scroll.
  const std::int64_t range = static_cast<std::int64_t>(maximum) - minimum + 1;
  if (!enabled || track.isEmpty() || range <= 0 || page <= 0 || page >= range) return;
  const std::int32_t length = vertical ? track.height() : track.width();
  std::int32_t thumb = static_cast<std::int32_t>(length * std::int64_t{page} / range);
  thumb = std::min(length, std::max(thumb, std::min(kMinimumThumb, length)));
  const std::int64_t travel = range - page;
  const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t{position} - minimum, 0, travel);
  const std::int32_t start = static_cast<std::int32_t>((length - thumb) * offset / travel);
  if (vertical) {
    surface.fill(track.left, track.top + start, track.width(), thumb, bar_);
  } else {
    surface.fill(track.left + start, track.top, thumb, track.height(), bar_);
  }
}

}  // namespace s::gui::drawer::scrollbar::win
