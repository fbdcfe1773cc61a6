#include "s/gui/drawer/combo/Thin.h"

#include <algorithm>

#include "s/gui/drawer/Glyphs.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::combo::win {

using s::gui::win::FontSetting;

Thin::Thin() : line_(rgb(120, 120, 120)) { takeSubDrawers(); }

s::base::Owned<Thin> Thin::create(Colour text, Colour line) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setTextColour(redOf(text), greenOf(text), blueOf(text));
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  return drawer;
}

void Thin::takeSubDrawers() {
  caption_ = s::thread::obtain<text::win::Basic>();
  border_ = s::thread::obtain<border::win::Thin>();
}

void Thin::reset() {
  text_ = kBlack;
  line_ = rgb(120, 120, 120);
  takeSubDrawers();
}

Colour Thin::secondCaptionColour() const {
  return caption_->fontSetting(IText::kNormal).textColour();
}

void Thin::setSecondCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  caption_->fontSetting(IText::kNormal).setTextColour(red, green, blue);
}

FontSetting Thin::captionFont(std::int32_t state) {
  FontSetting font = caption_->fontSetting(IText::kNormal);
  if (state == 0) font.setTextColour(text_);
  return font;
}

void Thin::paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                 const FontSetting& font, std::int32_t state) {
  if (rect.isEmpty()) return;
  border_->paint(surface, rect, state == 2 ? 2 : 1, 0, line_);
  const Rect arrow{std::max(rect.left + 1, rect.right - kArrowWidth), rect.top + 1, rect.right - 1,
                   rect.bottom - 1};
  if (arrow.isEmpty()) return;
  if (state != 0) surface.fill(arrow.left, arrow.top, 1, arrow.height(), line_);
  drawGlyph(surface, arrow, u"#Down", font.textColour());
  if (caption == nullptr || caption[0] == 0) return;
  const std::int32_t push = state == 2 ? 1 : 0;
  caption_->paint(surface,
                  Rect{rect.left + 3 + push, rect.top + 1 + push, arrow.left - 1, rect.bottom - 1},
                  caption, font);
}

}  // namespace s::gui::drawer::combo::win
