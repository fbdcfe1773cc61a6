#include "s/gui/drawer/button/Thin.h"

#include "s/gui/drawer/ClipSurface.h"
#include "s/gui/drawer/Glyphs.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::button::win {

namespace {
constexpr Colour kGrey = rgb(120, 120, 120);
}  // namespace

Thin::Thin() : line_(kGrey), disabledLine_(kGrey), hotLine_(kGrey), hotFill_(kGrey) {
  takeSubDrawers();
}

s::base::Owned<Thin> Thin::create(Colour line) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setPushContent(true);
  drawer->setLineColour(redOf(line), greenOf(line), blueOf(line));
  return drawer;
}

void Thin::takeSubDrawers() {
  border_ = s::thread::obtain<border::win::Thin>();
  caption_ = s::thread::obtain<text::win::Basic>();
  hotCaption_ = s::thread::obtain<text::win::Basic>();
  caption_->setCentred(true);
  hotCaption_->setCentred(true);
}

void Thin::reset() {
  line_ = disabledLine_ = hotLine_ = hotFill_ = kGrey;
  borderStyle_ = 1;
  pushContent_ = false;
  takeSubDrawers();
}

s::gui::win::FontSetting& Thin::normalFont() { return caption_->fontSetting(IText::kNormal); }
s::gui::win::FontSetting& Thin::disabledFont() { return caption_->fontSetting(IText::kDisabled); }
s::gui::win::FontSetting& Thin::hotFont() { return hotCaption_->fontSetting(IText::kNormal); }

bool Thin::drawGlyph(ISurface& surface, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, const char16_t* name, std::uint8_t red,
                     std::uint8_t green, std::uint8_t blue) {
  return s::gui::drawer::drawGlyph(surface, Rect{left, top, right, bottom}, name,
                                   rgb(red, green, blue));
}

void Thin::paint(ISurface& surface, const Rect& rect, std::int32_t type, const char16_t* caption,
                 bool framed, const s::gui::win::FontSetting& font, bool enabled, bool hot,
                 bool focused) {
  if (rect.isEmpty()) return;
  // Hovering a raised button sinks it, and a sunken one rises.
  if (hot && (type == 1 || type == 2)) type = 3 - type;
  const Colour line = !enabled ? disabledLine_ : hot ? hotLine_ : line_;
  auto frame = [&](std::int32_t shape) {
    if (borderStyle_ >= 0 && borderStyle_ <= 2) {
      border_->paint(surface, rect, shape, borderStyle_, line);
    }
  };
  bool filled = false;
  if (framed) {
    if (hot) {
      surface.fillRect(rect.inset(1, 1), hotFill_);
      filled = true;
    }
    frame(type == 1 ? 0 : type == 2 ? 2 : 1);
  } else if (hot) {
    Rect area = rect;
    if (focused) area.top += 1;
    surface.fillRect(area, hotFill_);
    filled = true;
    frame(1);
  } else if (focused) {
    frame(3);
  }

  if (caption == nullptr || caption[0] == 0) return;
  Rect area = rect.inset(2, 2);
  if (pushContent_ && type == 1)
    area = Rect{rect.left + 1, rect.top + 1, rect.right - 3, rect.bottom - 3};
  if (pushContent_ && type == 2)
    area = Rect{rect.left + 3, rect.top + 3, rect.right - 1, rect.bottom - 1};
  // Nothing filled: the caption may use the pixel next to the frame. Glyphs are sized in this
  // same area, so a 50 x 14 close box gives its cross (1, 1, 49, 13).
  if (!hot && !filled) area = area.inset(-1, -1);
  ClipSurface inside(surface, rect);
  if (s::gui::drawer::drawGlyph(inside, area, caption, hot ? font.textColour() : line)) return;
  (hot ? hotCaption_ : caption_)->paint(surface, area, caption, font);
}

}  // namespace s::gui::drawer::button::win
