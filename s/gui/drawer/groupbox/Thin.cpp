#include "s/gui/drawer/groupbox/Thin.h"

#include <algorithm>

#include "s/thread/Pool.h"

namespace s::gui::drawer::groupbox::win {

using s::gui::win::FontSetting;

Thin::Thin() : line_(rgb(120, 120, 120)) {}

s::base::Owned<Thin> Thin::create(Colour line) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  return drawer;
}

void Thin::reset() {
  line_ = rgb(120, 120, 120);
  takeCaptionDrawer();
}

void Thin::paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                 const FontSetting* font, bool enabled) {
  if (rect.isEmpty()) return;
  const FontSetting captionFont = captionFontFor(font, enabled, false);
  const bool hasCaption = caption != nullptr && caption[0] != 0;
  TextSize text{0, 0};
  if (hasCaption) {
    text = surface.measureText(caption, captionTextDrawer().formatFor(captionFont),
                               captionFont.font(), 0);
  }
  const std::int32_t lineY = std::min(rect.top + text.height / 2, rect.bottom - 1);
  const std::int32_t w = rect.width();
  const std::int32_t h = rect.bottom - lineY;
  const std::int32_t gapLeft = rect.left + kCaptionIndent - 2;
  const std::int32_t gapRight =
      hasCaption ? std::min(rect.right - 1, gapLeft + text.width + 4) : gapLeft;
  surface.fill(rect.left, lineY, std::max(0, std::min(gapLeft, rect.right) - rect.left), 1, line_);
  surface.fill(gapRight, lineY, rect.right - gapRight, 1, line_);
  surface.fill(rect.right - 1, lineY, 1, h, line_);
  surface.fill(rect.left, rect.bottom - 1, w, 1, line_);
  surface.fill(rect.left, lineY, 1, h, line_);
  if (!hasCaption) return;
  captionTextDrawer().paint(
      surface,
      Rect{gapLeft + 2, rect.top, std::max(gapLeft + 2, gapRight - 2), rect.top + text.height},
      caption, captionFont);
}

}  // namespace s::gui::drawer::groupbox::win
