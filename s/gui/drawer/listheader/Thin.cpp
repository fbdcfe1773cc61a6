#include "s/gui/drawer/listheader/Thin.h"

#include "s/thread/Pool.h"

namespace s::gui::drawer::listheader::win {

using s::gui::win::FontSetting;

Thin::Thin() : line_(rgb(120, 120, 120)), caption_(s::thread::obtain<text::win::Basic>()) {}

s::base::Owned<Thin> Thin::create(Colour line, Colour fill) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setFilled(true);
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  drawer->setFillColour(redOf(fill), greenOf(fill), blueOf(fill));
  return drawer;
}

void Thin::reset() {
  line_ = rgb(120, 120, 120);
  fill_ = kWhite;
  filled_ = false;
  caption_ = s::thread::obtain<text::win::Basic>();
}

Colour Thin::captionColour() const { return caption_->fontSetting(IText::kNormal).textColour(); }

void Thin::setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  caption_->fontSetting(IText::kNormal).setTextColour(red, green, blue);
}

void Thin::paint(ISurface& surface, const Rect& rect, const char16_t* caption,
                 const FontSetting* font, bool pressed) {
  if (rect.isEmpty()) return;
  if (filled_) surface.fillRect(rect, fill_);
  surface.fill(rect.left, rect.bottom - 1, rect.width(), 1, line_);
  surface.fill(rect.right - 1, rect.top, 1, rect.height(), line_);
  if (caption == nullptr || caption[0] == 0) return;
  const FontSetting& normal = caption_->fontSetting(IText::kNormal);
  const std::int32_t push = pressed ? 1 : 0;
  caption_->paint(surface,
                  Rect{rect.left + 4 + push, rect.top + push, rect.right - 4, rect.bottom - 1},
                  caption, font != nullptr ? font->filledFrom(normal) : normal);
}

}  // namespace s::gui::drawer::listheader::win
