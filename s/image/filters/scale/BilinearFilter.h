#pragma once

#include "s/image/filters/scale/IScaleFilter.h"
#include "s/thread/IPoolable.h"

namespace s::image::filters::scale {

// The triangle kernel: width - |x| inside the support, 0 outside.
class BilinearFilter final : public IScaleFilter, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_image_filters_scale_BilinearFilter"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override { width_ = 1.0; }

  double value(double x) const override;
  double width() const override { return width_; }
  void setWidth(double width) { width_ = width; }

  // The one instance that all scaling shares.
  static const BilinearFilter& shared();

 private:
  double width_ = 1.0;
};

}  // namespace s::image::filters::scale
