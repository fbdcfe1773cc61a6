#include "Screenshot.h"

#include <vector>

namespace e2e {

namespace {

// Owns a screen DC, a memory DC and the DIB selected into it for one capture.
class Capture {
 public:
  Capture(int width, int height) {
    screen_ = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (memory_ != nullptr && bitmap_ != nullptr) old_ = SelectObject(memory_, bitmap_);
  }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  ~Capture() {
    if (old_ != nullptr) SelectObject(memory_, old_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (memory_ != nullptr) DeleteDC(memory_);
    if (screen_ != nullptr) ReleaseDC(nullptr, screen_);
  }

  bool ready() const { return old_ != nullptr && bits_ != nullptr; }
  HDC screen() const { return screen_; }
  HDC memory() const { return memory_; }
  const void* bits() const { return bits_; }

 private:
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

bool saveScreenRect(const RECT& rect, const std::wstring& file, std::string* error) {
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    *error = "the rectangle is empty";
    return false;
  }
  Capture capture(width, height);
  if (!capture.ready()) {
    *error = "no bitmap for the capture";
    return false;
  }
  if (!BitBlt(capture.memory(), 0, 0, width, height, capture.screen(), rect.left, rect.top,
              SRCCOPY | CAPTUREBLT)) {
    *error = "copying from the screen failed";
    return false;
  }
  GdiFlush();
  DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER fileHeader{};
  BITMAPINFOHEADER infoHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof infoHeader;
  fileHeader.bfSize = fileHeader.bfOffBits + imageSize;
  infoHeader.biSize = sizeof infoHeader;
  infoHeader.biWidth = width;
  infoHeader.biHeight = height;
  infoHeader.biPlanes = 1;
  infoHeader.biBitCount = 24;
  infoHeader.biCompression = BI_RGB;
  infoHeader.biSizeImage = imageSize;

  HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    *error = "cannot create the file (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  DWORD written = 0;
  bool ok = WriteFile(out, &fileHeader, sizeof fileHeader, &written, nullptr) &&
            WriteFile(out, &infoHeader, sizeof infoHeader, &written, nullptr) &&
            WriteFile(out, capture.bits(), imageSize, &written, nullptr) && written == imageSize;
  CloseHandle(out);
  if (!ok) *error = "writing the file failed";
  return ok;
}

}  // namespace e2e
