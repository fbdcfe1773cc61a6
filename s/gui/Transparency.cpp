#include "s/gui/Transparency.h"

namespace s::gui {

std::uint8_t alphaOfPercent(std::int32_t percent) {
  const std::int64_t alpha = std::int64_t{percent} * 255 / 100;
  if (alpha < 0) return 0;
  if (alpha > 255) return 255;
  return static_cast<std::uint8_t>(alpha);
}

}  // namespace s::gui
