#include "s/gui/SizeRule.h"

#include <algorithm>

namespace s::gui {

std::int32_t SizeRule::minimum(std::int32_t margins) const {
  if (ignore) return 0;
  if (fixed >= 0) return fixed;
  const std::int32_t content = margins + contentMinimum;
  return explicitMinimum >= 0 ? std::max(content, explicitMinimum) : content;
}

std::int32_t SizeRule::preferred(std::int32_t margins, std::int32_t parentInner) const {
  if (fixed >= 0) return fixed;
  if (percent >= 0) return parentInner > 0 ? percentRounded(parentInner, percent) : 0;
  return margins + std::max(contentMinimum, contentPreferred);
}

std::int32_t percentRounded(std::int32_t size, std::int32_t percent) {
  const std::int64_t product = std::int64_t{size} * percent;
  const std::int64_t rounded = product >= 0 ? (product + 50) / 100 : (product - 50) / 100;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace s::gui
