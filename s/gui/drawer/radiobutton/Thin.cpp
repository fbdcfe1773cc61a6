#include "s/gui/drawer/radiobutton/Thin.h"

#include <cmath>

#include "s/thread/Pool.h"

namespace s::gui::drawer::radiobutton::win {

using s::gui::win::FontSetting;

namespace {

// A disc of the given diameter at (x, y), one row at a time: each row spans the pixels whose
// centres lie inside the circle.
void disc(ISurface& surface, std::int32_t x, std::int32_t y, std::int32_t diameter, Colour colour) {
  if (diameter <= 0) return;
  const double radius = diameter / 2.0;
  for (std::int32_t row = 0; row < diameter; ++row) {
    const double dy = row + 0.5 - radius;
    const double half = std::sqrt(radius * radius - dy * dy);
    const std::int32_t cut = static_cast<std::int32_t>(std::ceil(radius - half - 0.5));
    if (diameter - 2 * cut > 0) surface.fill(x + cut, y + row, diameter - 2 * cut, 1, colour);
  }
}

}  // namespace

Thin::Thin() : circle_(rgb(120, 120, 120)) {}

s::base::Owned<Thin> Thin::create(Colour line, Colour text) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setCircleColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setCaptionColour(redOf(text), greenOf(text), blueOf(text));
  return drawer;
}

void Thin::reset() {
  circle_ = rgb(120, 120, 120);
  dot_ = kBlack;
  takeCaptionDrawer();
}

void Thin::paint(ISurface& surface, const Rect& rect, std::int32_t markSize,
                 const char16_t* caption, const FontSetting* font, bool checked, bool enabled,
                 bool hot) {
  if (rect.isEmpty()) return;
  const std::int32_t s = markSize;
  disc(surface, rect.left, rect.top, s, circle_);
  disc(surface, rect.left + 2, rect.top + 2, s - 4, kWhite);
  if (checked) {
    const std::int32_t dot = (s - 4) / 2;
    disc(surface, rect.left + (s - dot) / 2, rect.top + (s - dot) / 2, dot, dot_);
  }
  if (caption == nullptr || caption[0] == 0) return;
  captionTextDrawer().paint(surface, Rect{rect.left + s + s / 6, rect.top, rect.right, rect.bottom},
                            caption, captionFontFor(font, enabled, hot));
}

TextMeasure Thin::measure(ISurface& surface, const char16_t* caption, const FontSetting* font) {
  return measureBesideMark(surface, caption, font);
}

}  // namespace s::gui::drawer::radiobutton::win
