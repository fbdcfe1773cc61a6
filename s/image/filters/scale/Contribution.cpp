#include "s/image/filters/scale/Contribution.h"

#include <algorithm>
#include <cmath>

namespace s::image::filters::scale {

void Contribution::build(std::int32_t sourceCount, std::int32_t destinationCount,
                         const IScaleFilter& filter) {
  const double scale = static_cast<double>(destinationCount) / sourceCount;
  double width = filter.width();
  double factor = 1.0;
  if (scale < 1.0) {
    // Shrinking widens the kernel so that every source pixel contributes.
    width = width / scale;
    factor = scale;
  }
  room_ = 2 * static_cast<std::int32_t>(std::ceil(width)) + 1;
  count_ = destinationCount;
  entries_.assign(static_cast<std::size_t>(destinationCount) * (room_ + 2), 0);
  scratch_.assign(static_cast<std::size_t>(room_), 0.0);

  for (std::int32_t i = 0; i < destinationCount; ++i) {
    const double centre = i / scale;
    const std::int32_t first = std::max(0, static_cast<std::int32_t>(std::floor(centre - width)));
    const std::int32_t last =
        std::min(static_cast<std::int32_t>(std::ceil(centre + width)), sourceCount - 1);
    std::int32_t realFirst = -1;
    std::int32_t realLast = -1;
    double sum = 0.0;
    for (std::int32_t j = first; j <= last; ++j) {
      const double w = factor * filter.value(factor * (centre - j));
      if (w <= 0.0) {
        if (realFirst < 0) continue;
        break;
      }
      if (realFirst < 0) realFirst = j;
      if (j - realFirst >= room_) break;
      scratch_[static_cast<std::size_t>(j - realFirst)] = w;
      realLast = j;
      sum += w;
    }
    std::int32_t* entry = &entries_[Index(i)];
    if (realFirst < 0) {
      // Nothing positive: the last pixel alone at the far edge, else a zero weight.
      const bool atEnd = last == sourceCount - 1;
      entry[0] = entry[1] = atEnd ? last : first;
      entry[2] = atEnd ? kOne : 0;
      continue;
    }
    entry[0] = realFirst;
    entry[1] = realLast;
    for (std::int32_t k = 0; k <= realLast - realFirst; ++k) {
      const double w = scratch_[static_cast<std::size_t>(k)];
      entry[2 + k] = static_cast<std::int32_t>((sum > 0.0 ? w / sum : w) * kOne);
    }
  }
}

}  // namespace s::image::filters::scale
