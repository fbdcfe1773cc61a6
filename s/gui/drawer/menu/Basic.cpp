#include "s/gui/drawer/menu/Basic.h"

#include "s/gui/drawer/IMenuCaption.h"
#include "s/gui/drawer/SystemColours.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::menu::win {

using s::gui::win::FontSetting;

Basic::Basic() { setDefaults(); }

s::base::Owned<Basic> Basic::create(Colour normalText, Colour itemFill, Colour highlightedText) {
  s::base::Owned<Basic> drawer = s::thread::obtain<Basic>();
  drawer->setNormalTextColour(redOf(normalText), greenOf(normalText), blueOf(normalText));
  drawer->setItemFillColour(redOf(itemFill), greenOf(itemFill), blueOf(itemFill));
  drawer->setHighlightedTextColour(redOf(highlightedText), greenOf(highlightedText),
                                   blueOf(highlightedText));
  drawer->setFill(false);
  drawer->setShift(true);
  return drawer;
}

void Basic::setDefaults() {
  fonts_[0].clear();
  fonts_[1].clear();
  fonts_[1].setTextColour(systemHighlightTextColour());
  itemFill_ = systemHighlightColour();
  fill_ = true;
  shift_ = false;
  combo_ = s::thread::obtain<combo::win::Thin>();
  caption_ = s::thread::obtain<text::win::Basic>();
}

void Basic::reset() { setDefaults(); }

FontSetting& Basic::fontSetting(std::int32_t index) { return fonts_[index == 1 ? 1 : 0]; }

void Basic::paint(ISurface& surface, const Rect& rect, const IMenuCaption* const* items,
                  const Rect* itemRects, std::int32_t count, Colour normalText,
                  Colour highlightedText, std::int32_t offsetX, std::int32_t offsetY,
                  std::int32_t highlighted, bool pressed, bool alternative) {
  if (rect.isEmpty() || items == nullptr || count <= 0) return;
  if (alternative) {
    FontSetting font = fonts_[0];
    font.setTextColour(items[0]->adjustColour(normalText));
    combo_->paint(surface, rect, items[0]->caption(), font, highlighted != 0 ? 0 : pressed ? 2 : 1);
    return;
  }
  for (std::int32_t i = 0; i < count; ++i) {
    const Rect& item = itemRects[i];
    Rect caption = item.inset(offsetX, offsetY);
    Colour colour = normalText;
    FontSetting font = fonts_[0];
    if (i == highlighted) {
      font = fonts_[1];
      if (fill_) {
        surface.fillRect(item, itemFill_);
        colour = highlightedText;
      }
      if (shift_) {
        const std::int32_t by = pressed ? 1 : -1;
        caption.left += by;
        caption.top += by;
      }
    }
    font.setTextColour(items[i]->adjustColour(colour));
    caption_->paint(surface, caption, items[i]->caption(), font);
  }
}

}  // namespace s::gui::drawer::menu::win
