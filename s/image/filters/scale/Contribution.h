#pragma once

#include <cstdint>
#include <vector>

#include "s/image/filters/scale/IScaleFilter.h"

namespace s::image::filters::scale {

// The contribution table of one resampling pass: for each destination index, the first and
// last contributing source index and their weights in 16.16 fixed point. Built once per pass
// and reused for every row or column of it.
class Contribution {
 public:
  static constexpr std::int32_t kOne = 1 << 16;

  // Fills the table for a line of sourceCount pixels resized to destinationCount (both > 0).
  void build(std::int32_t sourceCount, std::int32_t destinationCount, const IScaleFilter& filter);

  std::int32_t count() const { return count_; }
  std::int32_t first(std::int32_t i) const { return entries_[Index(i)]; }
  std::int32_t last(std::int32_t i) const { return entries_[Index(i) + 1]; }
  // Weights of sources first(i) ... last(i).
  const std::int32_t* weights(std::int32_t i) const { return &entries_[Index(i) + 2]; }
  // The most weights any entry may hold: 2 * ceil(kernel width) + 1.
  std::int32_t room() const { return room_; }

 private:
  std::size_t Index(std::int32_t i) const {
    return static_cast<std::size_t>(i) * static_cast<std::size_t>(room_ + 2);
  }

  std::vector<std::int32_t> entries_;
  std::vector<double> scratch_;
  std::int32_t count_ = 0;
  std::int32_t room_ = 0;
};

}  // namespace s::image::filters::scale
