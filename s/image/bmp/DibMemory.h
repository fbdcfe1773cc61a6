#pragma once

#include <cstdint>

namespace s::image::bmp {

// The pixel memory of a device-independent bitmap: a DIB section on Windows (so that it can be
// selected into a device context), a plain zeroed allocation on the host. Rows are bottom-up,
// each `stride` bytes. Move-only; the memory goes with the object.
class DibMemory {
 public:
  DibMemory() = default;
  ~DibMemory() { free(); }
  DibMemory(DibMemory&& other) noexcept;
  DibMemory& operator=(DibMemory&& other) noexcept;
  DibMemory(const DibMemory&) = delete;
  DibMemory& operator=(const DibMemory&) = delete;

  // Replaces any old memory with memory for width x height pixels of bitCount bits, zeroed
  // unless the caller will write every byte (cleared false; a DIB section is zeroed anyway);
  // false (and empty) when the platform refuses.
  bool allocate(std::int32_t width, std::int32_t height, std::int32_t bitCount, std::int32_t stride,
                bool cleared = true);
  void free();

  std::uint8_t* bits() const { return bits_; }
  // The platform bitmap handle (an HBITMAP on Windows); null on the host.
  void* handle() const { return handle_; }

 private:
  std::uint8_t* bits_ = nullptr;
  void* handle_ = nullptr;
};

}  // namespace s::image::bmp
