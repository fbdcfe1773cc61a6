#include <windows.h>

#include "s/base/Owned.h"
#include "s/gui/MenuEx.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/MemDC.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

// The bar's Windows half: measuring titles on the screen's device context and painting through
// a buffered image, so that the titles never flicker.
namespace s::gui::win {

void MenuEx::remeasure() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return;
  {
    s::gui::drawer::win::DcSurface surface(screen);
    measureTitles(surface);
  }
  ReleaseDC(nullptr, screen);
}

void* MenuEx::fontHandle(std::int32_t index) {
  Font*& font = shapes_[index == 1 ? 1 : 0];
  if (font == nullptr) font = s::thread::takeFromPool<Font>();
  return font->handle();
}

bool MenuEx::applyFontSizeCode(std::int32_t code) {
  fontHandle(0);
  fontHandle(1);
  const bool normal = shapes_[0]->setSizeCode(code);
  const bool hot = shapes_[1]->setSizeCode(code);
  return normal && hot;
}

void MenuEx::releaseFonts() {
  for (Font*& font : shapes_) {
    if (font != nullptr) font->release();
    font = nullptr;
  }
}

bool MenuEx::paintNow() {
  HWND window = static_cast<HWND>(nativeWindow());
  if (window == nullptr) return false;
  PAINTSTRUCT paintInfo;
  HDC dc = BeginPaint(window, &paintInfo);
  if (dc == nullptr) return true;
  RECT client{};
  GetClientRect(window, &client);
  if (client.right > 0 && client.bottom > 0) {
    s::base::Owned<s::image::win::BufferedImage> picture =
        s::thread::obtain<s::image::win::BufferedImage>();
    if (picture->create(client.right, client.bottom)) {
      s::base::Owned<MemDC> memory(MemDC::create(window, picture.get(), false));
      if (memory->dc() != nullptr) {
        {
          s::gui::drawer::win::DcSurface surface(memory->dc());
          paint(surface);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, memory->dc(), 0, 0, SRCCOPY);
      }
    }
  }
  EndPaint(window, &paintInfo);
  return true;
}

}  // namespace s::gui::win
