#pragma once

#include <cstdint>

namespace s::gui {

// What a font size code asks for: a weight and a size in points.
struct FontSize {
  std::int32_t weight = 400;
  std::int32_t points = 0;
};

// The font size code of the toolkit's controls. |code| < 100: normal weight, code + 10 points;
// 100 <= |code| < 1000: bold, code % 100 + 14 points (the remainder keeps the code's sign, so
// negative codes give sizes below the base: -1 is 9 points, -103 is 11 points bold); 100001:
// normal, 8 points. False for every other code, and for a code whose size would not be at
// least one point: the font is left as it is.
bool fontSizeOfCode(std::int32_t code, FontSize* size);

// The character height (negative, as fonts are asked for by character height) of a size in
// tenths of a point on a device of pixelsPerInch, rounded to the nearest pixel.
std::int32_t fontHeightOfTenths(std::int32_t tenthsOfPoint, std::int32_t pixelsPerInch);

}  // namespace s::gui
