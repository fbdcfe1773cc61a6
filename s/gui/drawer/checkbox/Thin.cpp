#include "s/gui/drawer/checkbox/Thin.h"

#include "s/gui/drawer/ClipSurface.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::checkbox::win {

using s::gui::win::FontSetting;

Thin::Thin() : frame_(rgb(120, 120, 120)), glyph_(s::thread::obtain<button::win::Thin>()) {}

s::base::Owned<Thin> Thin::create(Colour line, Colour text) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setFrameColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setCaptionColour(redOf(text), greenOf(text), blueOf(text));
  return drawer;
}

void Thin::reset() {
  frame_ = rgb(120, 120, 120);
  boxCentred_ = false;
  tickInCaptionColour_ = false;
  takeCaptionDrawer();
  glyph_ = s::thread::obtain<button::win::Thin>();
}

void Thin::paint(ISurface& surface, const Rect& rect, std::int32_t boxSize, const char16_t* caption,
                 const FontSetting* font, bool checked, bool enabled, bool hot) {
  if (rect.isEmpty()) return;
  const std::int32_t s = boxSize;
  const std::int32_t left = rect.left;
  const std::int32_t top = boxCentred_ ? rect.top + (rect.height() - s) / 2 : rect.top;
  // A box under four pixels has no inside; its frame stays within the box all the same.
  ClipSurface box(surface, Rect{left, top, left + s, top + s});
  box.fill(left + 2, top + 2, s - 4, s - 4, kWhite);
  box.fill(left, top, s, 2, frame_);
  box.fill(left + s - 2, top, 2, s, frame_);
  box.fill(left, top + s - 2, s, 2, frame_);
  box.fill(left, top, 2, s, frame_);
  const FontSetting captionFont = captionFontFor(font, enabled, hot);
  if (checked) {
    const Colour tick = tickInCaptionColour_ ? captionFont.textColour() : kBlack;
    // The tick is a fixed 9 x 9 mark; a smaller box keeps what fits inside it.
    ClipSurface inside(surface, Rect{left + 2, top + 2, left + s - 2, top + s - 2});
    glyph_->drawGlyph(inside, left + 2, top + 2, left + s - 2, top + s - 2, u"#Check", redOf(tick),
                      greenOf(tick), blueOf(tick));
  }
  if (caption == nullptr || caption[0] == 0) return;
  captionTextDrawer().paint(surface, Rect{left + s + s / 6, rect.top, rect.right, rect.bottom},
                            caption, captionFont);
}

TextMeasure Thin::measure(ISurface& surface, const char16_t* caption, const FontSetting* font) {
  return measureBesideMark(surface, caption, font);
}

}  // namespace s::gui::drawer::checkbox::win
