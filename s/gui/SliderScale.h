#pragma once

#include <cstdint>

namespace s::gui {

// The value a slider takes when the pointer is at offset along its groove (pixels from the
// start: the left end, or the bottom end of a vertical slider): the value whose thumb is
// centred under the pointer, rounded to the nearest, within [minimum, maximum]. A groove no
// longer than the thumb, or an empty range, gives the minimum.
std::int32_t sliderValueAt(std::int32_t offset, std::int32_t length, std::int32_t thumb,
                           std::int32_t minimum, std::int32_t maximum);

}  // namespace s::gui
