#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::image::filters::convolution {

// A 3 x 3 convolution with integer weights (row order, top-left first) and a divisor equal to
// their sum.
class Convolution final : public s::base::IObject, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_image_filters_convolution_Convolution"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  void setWeights(const std::int32_t (&weights)[9]);
  std::int32_t weight(std::int32_t index) const { return weights_[index]; }
  std::int32_t divisor() const { return divisor_; }

  // Filters rows [firstRow, endRow) of image in place, top to bottom and left to right: the
  // row above and the pixel to the left are already filtered when a pixel is computed.
  // Neighbours outside the image repeat the edge. A divisor of 0 is treated as 1.
  void run(s::image::win::BufferedImage& image, std::int32_t firstRow, std::int32_t endRow) const;

 private:
  std::int32_t weights_[9] = {};
  std::int32_t divisor_ = 0;
};

}  // namespace s::image::filters::convolution
