#pragma once

#include <cstdint>
#include <cstring>

namespace s::io {

// The reading half of a byte stream over a container's own storage: the shared arithmetic of
// the text buffer's and the arrays' stream faces.
struct ByteCursor {
  // Reads from storage of `size` bytes at `position`, advancing it.
  static bool read(const void* storage, std::uint32_t size, std::uint32_t& position,
                   void* destination, std::uint32_t count, std::uint32_t* bytesRead) {
    if (position >= size) {
      if (bytesRead != nullptr) *bytesRead = 0;
      return false;
    }
    std::uint32_t n = size - position < count ? size - position : count;
    if (n > 0) std::memcpy(destination, static_cast<const unsigned char*>(storage) + position, n);
    position += n;
    if (bytesRead != nullptr) *bytesRead = n;
    return true;
  }
  static std::uint32_t backFrom(std::uint32_t size, std::uint32_t back) {
    return back > size ? 0 : size - back;
  }
  static std::uint32_t backBy(std::uint32_t position, std::uint32_t count) {
    return count > position ? 0 : position - count;
  }
};

}  // namespace s::io
