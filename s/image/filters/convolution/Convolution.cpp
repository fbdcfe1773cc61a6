#include "s/image/filters/convolution/Convolution.h"

#include <algorithm>

#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace s::image::filters::convolution {

s::base::IObject* Convolution::newInstance() const {
  return s::thread::takeFromPool<Convolution>();
}

void Convolution::release() { s::thread::giveBackToPool(this); }

void Convolution::reset() {
  std::fill(std::begin(weights_), std::end(weights_), 0);
  divisor_ = 0;
}

void Convolution::setWeights(const std::int32_t (&weights)[9]) {
  divisor_ = 0;
  for (int i = 0; i < 9; ++i) {
    weights_[i] = weights[i];
    divisor_ += weights[i];
  }
}

void Convolution::run(s::image::win::BufferedImage& image, std::int32_t firstRow,
                      std::int32_t endRow) const {
  const std::int32_t width = image.width();
  const std::int32_t height = image.height();
  firstRow = std::max(firstRow, 0);
  endRow = std::min(endRow, height);
  // A divisor of 0 (weights summing to nothing) would divide by zero; leave the sums as they are.
  const std::int32_t divisor = divisor_ == 0 ? 1 : divisor_;
  for (std::int32_t y = firstRow; y < endRow; ++y) {
    const std::uint8_t* rows[3] = {image.row(std::max(y - 1, 0)), image.row(y),
                                   image.row(std::min(y + 1, height - 1))};
    std::uint8_t* out = image.row(y);
    for (std::int32_t x = 0; x < width; ++x) {
      const std::int32_t columns[3] = {std::max(x - 1, 0) * 4, x * 4,
                                       std::min(x + 1, width - 1) * 4};
      for (std::int32_t channel = 0; channel < 4; ++channel) {
        std::int32_t sum = 0;
        for (std::int32_t i = 0; i < 3; ++i) {
          for (std::int32_t j = 0; j < 3; ++j) {
            sum += weights_[i * 3 + j] * rows[i][columns[j] + channel];
          }
        }
        if (divisor != 1) sum /= divisor;
        out[x * 4 + channel] = static_cast<std::uint8_t>(std::clamp(sum, 0, 255));
      }
    }
  }
}

}  // namespace s::image::filters::convolution
