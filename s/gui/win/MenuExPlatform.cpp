#include <windows.h>

#include "s/base/Owned.h"
#include "s/gui/MenuEx.h"
#include "s/gui/drawer/win/DcSurface.h"
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
