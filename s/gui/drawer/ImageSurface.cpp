#include "s/gui/drawer/ImageSurface.h"

#include <algorithm>

#include "s/gui/drawer/TextFormat.h"
#include "s/image/BufferedImage.h"

namespace s::gui::drawer {

void ImageSurface::fillRect(const Rect& rect, Colour colour) {
  const std::int32_t left = std::max(rect.left, 0);
  const std::int32_t top = std::max(rect.top, 0);
  const std::int32_t right = std::min(rect.right, image_.width());
  const std::int32_t bottom = std::min(rect.bottom, image_.height());
  if (left >= right || top >= bottom) return;
  // Memory order blue, green, red, alpha: the colour's red byte moves to the third place.
  const std::uint32_t pixel = 0xFF000000u | static_cast<std::uint32_t>(redOf(colour)) << 16 |
                              static_cast<std::uint32_t>(greenOf(colour)) << 8 | blueOf(colour);
  for (std::int32_t r = top; r < bottom; ++r) {
    auto* row = reinterpret_cast<std::uint32_t*>(image_.row(r));
    std::fill(row + left, row + right, pixel);
  }
  image_.pixelsChanged();
}

void ImageSurface::drawText(const Rect& rect, const char16_t* text, Colour colour,
                            std::uint32_t format, void* font) {
  textCalls_.push_back(TextCall{rect, text != nullptr ? text : u"", colour, format, font});
}

TextSize ImageSurface::measureText(const char16_t* text, std::uint32_t format, void*,
                                   std::int32_t widthLimit) {
  const std::u16string whole = text != nullptr ? text : u"";
  TextSize size{static_cast<std::int32_t>(whole.size()) * cellWidth_, cellHeight_};
  if ((format & format::kWordBreak) == 0 || widthLimit <= 0 || size.width <= widthLimit) {
    return size;
  }
  // Greedy wrapping at blanks; a word longer than the limit widens the result, as the platform's
  // measuring does.
  std::int32_t lines = 1;
  std::int32_t line = 0;
  std::int32_t widest = 0;
  std::size_t start = 0;
  while (start <= whole.size()) {
    std::size_t end = whole.find(u' ', start);
    if (end == std::u16string::npos) end = whole.size();
    const std::int32_t word = static_cast<std::int32_t>(end - start);
    if (line > 0 && (line + 1 + word) * cellWidth_ > widthLimit) {
      widest = std::max(widest, line);
      ++lines;
      line = word;
    } else {
      line += (line > 0 ? 1 : 0) + word;
    }
    start = end + 1;
  }
  widest = std::max(widest, line);
  return TextSize{widest * cellWidth_, lines * cellHeight_};
}

void ImageSurface::drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) {
  if (rect.isEmpty()) return;
  picture.copyInto(image_, rect.left, rect.top, 0, 0, rect.width(), rect.height(), fit);
}

}  // namespace s::gui::drawer
