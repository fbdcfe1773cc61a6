#include "s/image/bmp/DibMemory.h"

#include <windows.h>

namespace s::image::bmp {

bool DibMemory::allocate(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                         std::int32_t, bool) {
  free();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return false;
  }
  // A DIB section's memory comes from a file mapping and is already zeroed.
  handle_ = bitmap;
  bits_ = static_cast<std::uint8_t*>(bits);
  return true;
}

void DibMemory::free() {
  if (handle_ != nullptr) DeleteObject(static_cast<HBITMAP>(handle_));
  handle_ = nullptr;
  bits_ = nullptr;
}

}  // namespace s::image::bmp
