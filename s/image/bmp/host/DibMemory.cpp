#include "s/image/bmp/DibMemory.h"

#include <cstdlib>

namespace s::image::bmp {

bool DibMemory::allocate(std::int32_t, std::int32_t height, std::int32_t, std::int32_t stride,
                         bool cleared) {
  free();
  const auto rows = static_cast<std::size_t>(height);
  const auto bytes = static_cast<std::size_t>(stride);
  bits_ =
      static_cast<std::uint8_t*>(cleared ? std::calloc(rows, bytes) : std::malloc(rows * bytes));
  return bits_ != nullptr;
}

void DibMemory::free() {
  std::free(bits_);
  bits_ = nullptr;
}

}  // namespace s::image::bmp
