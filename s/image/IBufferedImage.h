#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/image/IImageBuffer.h"

namespace s::image {

// A 32-bit working picture with a capacity that may exceed its logical size.
class IBufferedImage : public s::base::IObject, public IImageBuffer {
 public:
  // Sets the logical size without touching the surface; callers stay within the capacity.
  virtual void setSize(std::int32_t width, std::int32_t height) = 0;
  // Makes room for width x height, keeping the surface when it is already large enough.
  virtual bool ensureCapacity(std::int32_t width, std::int32_t height) = 0;
  // Replaces the surface with a zeroed one of width x height.
  virtual bool create(std::int32_t width, std::int32_t height) = 0;
  virtual std::int32_t capacityWidth() const = 0;
  virtual std::int32_t capacityHeight() const = 0;
  virtual bool alphaInUse() const = 0;
  virtual void setAlphaInUse(bool inUse) = 0;
};

}  // namespace s::image
