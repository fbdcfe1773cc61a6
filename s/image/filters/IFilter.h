#pragma once

#include "s/base/IObject.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::image::filters {

// An image filter.
class IFilter : public s::base::IObject {
 public:
  // Filters source into target (resized to fit); without a target, into a new image owned by
  // the caller. Returns the image written.
  virtual s::image::win::BufferedImage* apply(const s::image::win::BufferedImage& source,
                                              s::image::win::BufferedImage* target) = 0;
};

}  // namespace s::image::filters
