#include "s/gui/drawer/checkbox/Thin.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::checkbox::win {

using s::gui::win::FontSetting;

Thin::Thin() : frame_(rgb(120, 120, 120)) { takeSubDrawers(); }

s::base::Owned<Thin> Thin::create(Colour line, Colour text) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setFrameColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setCaptionColour(redOf(text), greenOf(text), blueOf(text));
  return drawer;
}

void Thin::takeSubDrawers() {
  caption_ = s::thread::obtain<text::win::Basic>();
  glyph_ = s::thread::obtain<button::win::Thin>();
}

void Thin::reset() {
  frame_ = rgb(120, 120, 120);
  boxCentred_ = false;
  tickInCaptionColour_ = false;
  takeSubDrawers();
}

Colour Thin::captionColour() const { return caption_->fontSetting(IText::kNormal).textColour(); }
void Thin::setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  caption_->fontSetting(IText::kNormal).setTextColour(red, green, blue);
}
Colour Thin::disabledCaptionColour() const {
  return caption_->fontSetting(IText::kDisabled).textColour();
}
void Thin::setDisabledCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  caption_->fontSetting(IText::kDisabled).setTextColour(red, green, blue);
}

void Thin::paint(ISurface& surface, const Rect& rect, std::int32_t boxSize, const char16_t* caption,
                 const FontSetting* font, bool checked, bool enabled, bool hot) {
  if (rect.isEmpty()) return;
  const std::int32_t s = boxSize;
  const std::int32_t left = rect.left;
  const std::int32_t top = boxCentred_ ? rect.top + (rect.height() - s) / 2 : rect.top;
  surface.fill(left + 2, top + 2, s - 4, s - 4, kWhite);
  surface.fill(left, top, s, 2, frame_);
  surface.fill(left + s - 2, top, 2, s, frame_);
  surface.fill(left, top + s - 2, s, 2, frame_);
  surface.fill(left, top, 2, s, frame_);
  const FontSetting& state = caption_->stateFont(enabled, false, hot ? 1 : 0);
  const FontSetting captionFont = font != nullptr ? font->filledFrom(state) : state;
  if (checked) {
    const Colour tick = tickInCaptionColour_ ? captionFont.textColour() : kBlack;
    glyph_->drawGlyph(surface, left + 2, top + 2, left + s - 2, top + s - 2, u"#Check", redOf(tick),
                      greenOf(tick), blueOf(tick));
  }
  if (caption == nullptr || caption[0] == 0) return;
  caption_->paint(surface, Rect{left + s + s / 6, rect.top, rect.right, rect.bottom}, caption,
                  captionFont);
}

TextMeasure Thin::measure(ISurface& surface, const char16_t* caption, const FontSetting* font) {
  const FontSetting& normal = caption_->fontSetting(IText::kNormal);
  TextMeasure size =
      caption_->measure(surface, caption, font != nullptr ? font->filledFrom(normal) : normal);
  const std::int32_t room = size.preferredHeight + size.preferredHeight / 6;
  size.minimumWidth += room;
  size.preferredWidth += room;
  return size;
}

}  // namespace s::gui::drawer::checkbox::win
