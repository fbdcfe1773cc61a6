#include "s/gui/FontSize.h"

namespace s::gui {

namespace {

constexpr std::int32_t kNormal = 400;
constexpr std::int32_t kBold = 700;
constexpr std::int32_t kSmallCode = 100001;

}  // namespace

bool fontSizeOfCode(std::int32_t code, FontSize* size) {
  FontSize found;
  const std::int64_t magnitude = code < 0 ? -std::int64_t{code} : code;
  if (code == kSmallCode) {
    found = FontSize{kNormal, 8};
  } else if (magnitude < 100) {
    found = FontSize{kNormal, code + 10};
  } else if (magnitude < 1000) {
    found = FontSize{kBold, code % 100 + 14};
  } else {
    return false;
  }
  if (found.points < 1) return false;
  *size = found;
  return true;
}

std::int32_t fontHeightOfTenths(std::int32_t tenthsOfPoint, std::int32_t pixelsPerInch) {
  // 720 tenths of a point make an inch; round half away from zero like the platform's MulDiv.
  const std::int64_t scaled = std::int64_t{tenthsOfPoint} * pixelsPerInch;
  const std::int64_t rounded = scaled >= 0 ? (scaled + 360) / 720 : (scaled - 360) / 720;
  return static_cast<std::int32_t>(-rounded);
}

}  // namespace s::gui
