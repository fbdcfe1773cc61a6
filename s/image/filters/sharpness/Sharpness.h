#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/image/filters/IFilter.h"
#include "s/image/filters/convolution/Convolution.h"
#include "s/thread/IPoolable.h"
#include "s/thread/Lock.h"

namespace s::image::filters::sharpness {

// Sharpens (positive levels) or blurs (negative levels) with a 3 x 3 convolution; level 0 only
// copies.
class Sharpness final : public IFilter, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_image_filters_sharpness_Sharpness"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  static const char16_t* displayName() { return u"Sharpness"; }

  // The level as a percentage; levels above 152 give a divisor of 0 or below and are refused
  // (false, level unchanged).
  bool setLevel(std::int32_t level);
  std::int32_t level() const { return level_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on) { enabled_ = on; }
  // The convolution of the current level, or null for level 0.
  const s::image::filters::convolution::Convolution* convolution() const {
    return convolution_.get();
  }

  s::image::win::BufferedImage* apply(const s::image::win::BufferedImage& source,
                                      s::image::win::BufferedImage* target) override;

 private:
  s::thread::Lock lock_;
  bool enabled_ = true;
  std::int32_t level_ = 0;
  s::base::Owned<s::image::filters::convolution::Convolution> convolution_;
};

}  // namespace s::image::filters::sharpness
