#pragma once

#include <cstdint>

namespace s::gui {

// 100 percent is opaque: a window at 100 has no layered style.
constexpr std::int32_t kOpaquePercent = 100;

// The layered window's alpha for a transparency percentage: percent x 255 / 100, truncated,
// limited to 0..255.
std::uint8_t alphaOfPercent(std::int32_t percent);

}  // namespace s::gui
