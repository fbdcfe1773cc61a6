#include "s/image/bmp/DibMemory.h"

#include <cstdlib>

namespace s::image::bmp {

bool DibMemory::allocate(std::int32_t, std::int32_t height, std::int32_t, std::int32_t stride) {
  free();
  bits_ = static_cast<std::uint8_t*>(
      std::calloc(static_cast<std::size_t>(height), static_cast<std::size_t>(stride)));
  return bits_ != nullptr;
}

void DibMemory::free() {
  std::free(bits_);
  bits_ = nullptr;
}

}  // namespace s::image::bmp
