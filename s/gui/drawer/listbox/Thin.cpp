#include "s/gui/drawer/listbox/Thin.h"

#include <algorithm>

#include "s/gui/drawer/ClipSurface.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::listbox::win {

using s::gui::win::FontSetting;

Thin::Thin() { setDefaults(); }

s::base::Owned<Thin> Thin::create(Colour background, Colour text, Colour selected,
                                  Colour selectedText, Colour stripe) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  const Colour colours[5] = {background, text, selected, selectedText, stripe};
  for (std::int32_t i = 0; i < 5; ++i) {
    drawer->setColour(i, redOf(colours[i]), greenOf(colours[i]), blueOf(colours[i]));
  }
  return drawer;
}

void Thin::setDefaults() {
  colours_[kBackground] = kWhite;
  colours_[kText] = kBlack;
  colours_[kSelected] = rgb(120, 120, 120);
  colours_[kSelectedText] = kWhite;
  colours_[kStripe] = kWhite;
  caption_ = s::thread::obtain<text::win::Basic>();
  glyph_ = s::thread::obtain<button::win::Thin>();
}

void Thin::reset() { setDefaults(); }

Colour Thin::colour(std::int32_t index) const {
  return index >= 0 && index < 5 ? colours_[index] : 0;
}

void Thin::setColour(std::int32_t index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  if (index >= 0 && index < 5) colours_[index] = rgb(red, green, blue);
}

void Thin::paintBackground(ISurface& surface, const Rect& rect) {
  if (rect.isEmpty()) return;
  surface.fillRect(rect, colours_[kBackground]);
}

void Thin::paintItem(ISurface& surface, const Rect& rect, std::int32_t index, const char16_t* text,
                     const FontSetting* font, bool selected, bool checkable, bool checked) {
  if (rect.isEmpty()) return;
  const Colour fill = selected         ? colours_[kSelected]
                      : index % 2 != 0 ? colours_[kStripe]
                                       : colours_[kBackground];
  surface.fillRect(rect, fill);
  FontSetting caption = font != nullptr ? *font : caption_->fontSetting(IText::kNormal);
  caption.setTextColour(selected ? colours_[kSelectedText] : colours_[kText]);
  Rect area{rect.left + 2, rect.top, rect.right - 2, rect.bottom};
  if (checkable) {
    // The tick's 9 x 9 cell at the row's left, centred vertically.
    const std::int32_t cell = std::min(11, rect.height());
    const std::int32_t top = rect.top + (rect.height() - cell) / 2;
    if (checked) {
      ClipSurface row(surface, rect);
      glyph_->drawGlyph(row, area.left, top, area.left + cell, top + cell, u"#Check",
                        redOf(caption.textColour()), greenOf(caption.textColour()),
                        blueOf(caption.textColour()));
    }
    area.left += cell + 2;
  }
  if (text != nullptr && text[0] != 0) caption_->paint(surface, area, text, caption);
}

}  // namespace s::gui::drawer::listbox::win
