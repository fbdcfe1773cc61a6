#include "s/gui/drawer/slider/Thin.h"

#include <algorithm>

#include "s/thread/Pool.h"

namespace s::gui::drawer::slider::win {

s::base::Owned<Thin> Thin::create(Colour line, Colour bar) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setBarColour(redOf(bar), greenOf(bar), blueOf(bar));
  return drawer;
}

void Thin::reset() {
  line_ = rgb(120, 120, 120);
  bar_ = rgb(120, 120, 120);
  disabled_ = rgb(120, 120, 120);
}

void Thin::paint(ISurface& surface, const Rect& rect, bool vertical, std::int32_t minimum,
                 std::int32_t maximum, std::int32_t value, bool enabled) {
  if (rect.isEmpty()) return;
  const std::int32_t length = vertical ? rect.height() : rect.width();
  const std::int32_t across = vertical ? rect.width() : rect.height();
  const std::int32_t thumb = std::min(kThumb, length);
  const std::int64_t span = static_cast<std::int64_t>(maximum) - minimum;
  const std::int64_t at =
      std::clamp<std::int64_t>(std::int64_t{value} - minimum, 0, std::max<std::int64_t>(span, 0));
  // Thumb position along the groove; a range of one value keeps it at the start.
  const std::int32_t start = span > 0 ? static_cast<std::int32_t>((length - thumb) * at / span) : 0;
  const std::int32_t grooveWidth = std::min(2, across);
  const std::int32_t groove = (across - grooveWidth) / 2;
  const Colour line = enabled ? line_ : disabled_;
  const Colour bar = enabled ? bar_ : disabled_;
  if (vertical) {
    // Vertical sliders fill from the bottom up.
    const std::int32_t thumbTop = rect.bottom - start - thumb;
    surface.fill(rect.left + groove, rect.top, grooveWidth, rect.height(), line);
    surface.fill(rect.left + groove, thumbTop + thumb, grooveWidth, rect.bottom - thumbTop - thumb,
                 bar);
    surface.fill(rect.left, thumbTop, across, thumb, bar);
  } else {
    surface.fill(rect.left, rect.top + groove, rect.width(), grooveWidth, line);
    surface.fill(rect.left, rect.top + groove, start, grooveWidth, bar);
    surface.fill(rect.left + start, rect.top, thumb, across, bar);
  }
}

}  // namespace s::gui::drawer::slider::win
