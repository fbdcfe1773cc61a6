#include "s/gui/drawer/text/Basic.h"

#include <algorithm>

#include "s/gui/drawer/TextFormat.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::text::win {

namespace {

using s::gui::win::FontSetting;

// Eight copies around the final one at (+1, 0), in this order.
constexpr std::int32_t kOutline[8][2] = {{0, -1}, {1, -1}, {2, -1}, {2, 0},
                                         {2, 1},  {1, 1},  {0, 1},  {0, 0}};

// How far an effect's copies reach beyond the plain text, right and down.
void effectExtent(std::int32_t effect, std::int32_t* dx, std::int32_t* dy) {
  switch (effect) {
    case 1:
    case 7:
    case 3:
    case 5:
      *dx = 2;
      *dy = 2;
      return;
    case 2:
      *dx = 1;
      *dy = 1;
      return;
    case 4:
    case 6:
      *dx = 0;
      *dy = 2;
      return;
    default:
      *dx = 0;
      *dy = 0;
  }
}

}  // namespace

s::base::Owned<Basic> Basic::create() { return s::thread::obtain<Basic>(); }

void Basic::reset() {
  for (FontSetting& font : fonts_) font.clear();
  centred_ = false;
}

FontSetting& Basic::fontSetting(std::int32_t index) {
  return fonts_[index >= 0 && index < kFontSettings ? index : 0];
}

const FontSetting& Basic::stateFont(bool enabled, bool link, std::int32_t hoverState) {
  if (!enabled) return fonts_[kDisabled];
  if (!link) return fonts_[kNormal];
  if (hoverState == 1) return fonts_[kLinkHot];
  if (hoverState == 2) return fonts_[kLinkPressed];
  return fonts_[kLink];
}

std::uint32_t Basic::formatFor(const FontSetting& font) const {
  using namespace format;
  if (centred_) return kCenter | kVCenter | kSingleLine | kNoPrefix | kEndEllipsis;
  if (font.multiLine()) return kWordBreak | kNoPrefix;
  if (font.ellipsis()) return kSingleLine | kNoPrefix | kEndEllipsis;
  return kSingleLine | kNoPrefix;
}

void Basic::paint(ISurface& surface, const Rect& rect, const char16_t* text,
                  const FontSetting& font) {
  if (rect.isEmpty() || text == nullptr || text[0] == 0) return;
  const std::uint32_t format = formatFor(font);
  void* const native = font.font();
  auto copyAt = [&](std::int32_t dx, std::int32_t dy, Colour colour) {
    surface.drawText(rect.offset(dx, dy), text, colour, format, native);
  };
  const Colour colour = font.textColour();
  switch (font.effect()) {
    case 1:
    case 7: {
      const Colour ring = font.effect() == 1 ? font.secondColour() : font.thirdColour();
      for (const auto& at : kOutline) copyAt(at[0], at[1], ring);
      copyAt(1, 0, colour);
      break;
    }
    case 2:
      copyAt(1, 1, colour == kBlack ? rgb(238, 238, 238) : rgb(119, 119, 119));
      copyAt(0, 0, colour);
      break;
    case 3:
      copyAt(2, 2, kBlack);
      copyAt(0, 0, kWhite);
      copyAt(1, 1, colour);
      break;
    case 4:
      copyAt(0, 0, kWhite);
      copyAt(0, 2, kBlack);
      copyAt(0, 1, colour);
      break;
    case 5:
      copyAt(2, 2, kWhite);
      copyAt(0, 0, kBlack);
      copyAt(1, 1, colour);
      break;
    case 6:
      copyAt(0, 0, kBlack);
      copyAt(0, 2, kWhite);
      copyAt(0, 1, colour);
      break;
    default:
      copyAt(0, 0, colour);
  }
}

TextMeasure Basic::measure(ISurface& surface, const char16_t* text, const FontSetting& font) {
  using namespace format;
  const char16_t* const measured = text != nullptr ? text : u"";
  void* const native = font.font();
  const TextSize line = surface.measureText(measured, kSingleLine | kNoPrefix, native, 0);
  std::int32_t minimum = line.width;
  if (font.multiLine()) {
    // Word-breaking at one pixel leaves the widest word as the width.
    minimum = surface.measureText(measured, kWordBreak | kNoPrefix, native, 1).width;
  } else if (font.ellipsis()) {
    minimum =
        std::min(line.width, surface.measureText(u"...", kSingleLine | kNoPrefix, native, 0).width);
  }
  std::int32_t dx;
  std::int32_t dy;
  effectExtent(font.effect(), &dx, &dy);
  TextMeasure result;
  result.minimumWidth = minimum + dx;
  result.preferredWidth = line.width + dx;
  result.minimumHeight = line.height + dy;
  result.preferredHeight = line.height + dy;
  return result;
}

}  // namespace s::gui::drawer::text::win
