#pragma once

#include <cstdint>

#include "s/image/IImage.h"

namespace s::image::jpg {

// A JPEG picture.
class IJpeg : public s::image::IImage {
 public:
  // Quality from 0 to 100, used only when saving.
  virtual std::int32_t quality() const = 0;
  virtual void setQuality(std::int32_t quality) = 0;
};

}  // namespace s::image::jpg
