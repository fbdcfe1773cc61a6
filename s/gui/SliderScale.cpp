#include "s/gui/SliderScale.h"

#include <algorithm>

namespace s::gui {

std::int32_t sliderValueAt(std::int32_t offset, std::int32_t length, std::int32_t thumb,
                           std::int32_t minimum, std::int32_t maximum) {
  const std::int64_t travel = std::int64_t{length} - std::min(thumb, length);
  const std::int64_t span = std::int64_t{maximum} - minimum;
  if (travel <= 0 || span <= 0) return minimum;
  const std::int64_t at = std::clamp<std::int64_t>(std::int64_t{offset} - thumb / 2, 0, travel);
  return static_cast<std::int32_t>(minimum + (at * span + travel / 2) / travel);
}

}  // namespace s::gui
