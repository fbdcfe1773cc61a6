#include "s/image/bmp/DibMemory.h"

#include <utility>

namespace s::image::bmp {

DibMemory::DibMemory(DibMemory&& other) noexcept
    : bits_(std::exchange(other.bits_, nullptr)), handle_(std::exchange(other.handle_, nullptr)) {}

DibMemory& DibMemory::operator=(DibMemory&& other) noexcept {
  if (this != &other) {
    free();
    bits_ = std::exchange(other.bits_, nullptr);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

}  // namespace s::image::bmp
