#pragma once

#include <cstdint>

namespace s::image {

// Pixel access to a 32-bit picture: 4 bytes per pixel, blue, green, red, alpha.
class IImageBuffer {
 public:
  virtual ~IImageBuffer() = default;
  virtual std::int32_t width() const = 0;
  virtual std::int32_t height() const = 0;
  // Address of row r counted from the top; r is not validated.
  virtual std::uint8_t* row(std::int32_t r) const = 0;
};

}  // namespace s::image
