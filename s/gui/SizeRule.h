#pragma once

#include <cstdint>

namespace s::gui {

// A container's size rules along one axis: a fixed size, a percentage of the parent's inner
// size, or what its content needs, plus the margins on that axis.
struct SizeRule {
  std::int32_t fixed = -1;
  std::int32_t percent = -1;
  // Left by the last layout.
  std::int32_t contentMinimum = 0;
  std::int32_t contentPreferred = 0;
  std::int32_t explicitMinimum = -1;
  // The axis asks for nothing of the parent's layout.
  bool ignore = false;

  std::int32_t minimum(std::int32_t margins) const;
  // parentInner is the parent's inner size on this axis, -1 without a parent.
  std::int32_t preferred(std::int32_t margins, std::int32_t parentInner) const;
};

// size x percent / 100, rounded half away from zero.
std::int32_t percentRounded(std::int32_t size, std::int32_t percent);

}  // namespace s::gui
