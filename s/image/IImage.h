#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::io {
class IInputStream;
}

namespace s::image::win {
class BufferedImage;
}

namespace s::image {

// A decoded picture of any format.
class IImage : public s::base::IObject, public s::thread::IPoolable {
 public:
  virtual std::int32_t width() const = 0;
  virtual std::int32_t height() const = 0;
  virtual bool isEmpty() const = 0;
  // Replaces the picture with the one read from stream; false, and empty, when the data are
  // not a picture of this format.
  virtual bool decode(s::io::IInputStream& stream) = 0;
  // The picture as a 32-bit buffered image: into target when given (resized), else into a new
  // one owned by the caller. An empty picture gives an empty image.
  virtual s::image::win::BufferedImage* toBufferedImage(
      s::image::win::BufferedImage* target = nullptr) const = 0;
};

}  // namespace s::image
