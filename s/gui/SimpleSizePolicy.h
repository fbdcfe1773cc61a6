#pragma once

#include <cstdint>

namespace s::gui {

// The leaf controls' and the spacer's size rules along one axis: a fixed size wins, then a
// percentage of the parent's inner size (truncated), then the defaults the control computes.
struct SimpleSizePolicy {
  std::int32_t fixed = -1;
  std::int32_t percent = -1;
  std::int32_t defaultMinimum = 0;
  std::int32_t defaultPreferred = 0;

  std::int32_t minimum() const { return fixed >= 0 ? fixed : defaultMinimum; }
  // parentInner is the parent's inner size on this axis, -1 without a parent.
  std::int32_t preferred(std::int32_t parentInner) const {
    if (fixed >= 0) return fixed;
    if (percent >= 0) {
      return parentInner > 0 ? static_cast<std::int32_t>(std::int64_t{parentInner} * percent / 100)
                             : 0;
    }
    return defaultPreferred > defaultMinimum ? defaultPreferred : defaultMinimum;
  }
};

}  // namespace s::gui
