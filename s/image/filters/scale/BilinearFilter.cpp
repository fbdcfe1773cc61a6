#include "s/image/filters/scale/BilinearFilter.h"

#include <cmath>

#include "s/thread/Pool.h"

namespace s::image::filters::scale {

s::base::IObject* BilinearFilter::newInstance() const {
  return s::thread::takeFromPool<BilinearFilter>();
}

void BilinearFilter::release() { s::thread::giveBackToPool(this); }

double BilinearFilter::value(double x) const {
  const double distance = std::fabs(x);
  return distance < width_ ? width_ - distance : 0.0;
}

const BilinearFilter& BilinearFilter::shared() {
  static const BilinearFilter filter;
  return filter;
}

}  // namespace s::image::filters::scale
