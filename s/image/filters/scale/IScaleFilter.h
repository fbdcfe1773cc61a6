#pragma once

#include "s/base/IObject.h"

namespace s::image::filters::scale {

// A resampling kernel.
class IScaleFilter : public s::base::IObject {
 public:
  // The kernel's value at distance x from the centre.
  virtual double value(double x) const = 0;
  // How far from the centre the kernel is non-zero.
  virtual double width() const = 0;
};

}  // namespace s::image::filters::scale
