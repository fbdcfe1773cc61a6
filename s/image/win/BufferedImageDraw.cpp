// The one buffered-image operation that needs the platform: blitting to a device context.
#include <windows.h>

#include <algorithm>

#include "s/image/BufferedImage.h"
#include "s/image/BufferedImageOps.h"

namespace s::image::win {

void BufferedImage::drawTo(void* dc, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, bool fit) {
  BufferedImage* source = fit ? scaledVersion(*this, width, height, false) : this;
  width = std::min(width, source->width());
  height = std::min(height, source->height());
  if (width <= 0 || height <= 0 || source->surfaceHandle() == nullptr) return;
  HDC target = static_cast<HDC>(dc);
  HDC memory = CreateCompatibleDC(target);
  if (memory == nullptr) return;
  HGDIOBJ previous = SelectObject(memory, static_cast<HBITMAP>(source->surfaceHandle()));
  // Row 0 is the top row of the surface, so logical (0, 0) is the bitmap's own origin.
  BitBlt(target, x, y, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
}

}  // namespace s::image::win
