#pragma once

#include <cstdint>

namespace s::gui::drawer {

// Text layout flags with the platform's values, so that a format passes to the text call as it
// is (the Windows surface checks each against the platform's headers).
namespace format {
constexpr std::uint32_t kCenter = 0x1;
constexpr std::uint32_t kVCenter = 0x4;
constexpr std::uint32_t kWordBreak = 0x10;
constexpr std::uint32_t kSingleLine = 0x20;
constexpr std::uint32_t kCalcRect = 0x400;
constexpr std::uint32_t kNoPrefix = 0x800;
constexpr std::uint32_t kEndEllipsis = 0x8000;
}  // namespace format

}  // namespace s::gui::drawer
