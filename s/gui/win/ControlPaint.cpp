#include "s/gui/win/ControlPaint.h"

#include "s/gui/win/MessageParams.h"
#include "s/image/BufferedImage.h"

namespace s::gui::win {

void fillSolid(HDC dc, const RECT& area, COLORREF colour) {
  const COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, L"", 0, nullptr);
  SetBkColor(dc, previous);
}

namespace {

// Copies the piece of picture at (left, top) to area of dc.
bool blitPiece(HDC dc, const s::image::win::BufferedImage& picture, const RECT& area,
               std::int32_t left, std::int32_t top) {
  auto bitmap = static_cast<HBITMAP>(picture.surfaceHandle());
  if (bitmap == nullptr) return false;
  HDC memory = CreateCompatibleDC(dc);
  if (memory == nullptr) return false;
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, left, top,
         SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  return true;
}

}  // namespace

void paintBackground(HDC dc, const s::gui::ComponentBase& component, const RECT& area) {
  if (!component.isTransparent()) {
    fillSolid(dc, area, component.background());
    return;
  }
  s::gui::IComponent* parent = component.parent();
  s::image::win::BufferedImage* picture =
      parent != nullptr ? parent->parentBackgroundImage() : nullptr;
  if (picture != nullptr) {
    // The picture covers the parent's client area; this control sits at its position there.
    const std::int32_t left = component.x() + component.offsetX() + area.left;
    const std::int32_t top = component.y() + component.offsetY() + area.top;
    if (left >= 0 && top >= 0 && left + (area.right - area.left) <= picture->width() &&
        top + (area.bottom - area.top) <= picture->height()) {
      if (blitPiece(dc, *picture, area, left, top)) return;
    }
  }
  fillSolid(dc, area, component.effectiveBackground());
}

bool isInsideClient(HWND window, std::intptr_t lParam) {
  RECT client;
  GetClientRect(window, &client);
  const POINT at{pointX(lParam), pointY(lParam)};
  return PtInRect(&client, at) != 0;
}

bool isCursorInside(HWND window) {
  POINT at;
  if (GetCursorPos(&at) == 0) return false;
  ScreenToClient(window, &at);
  RECT client;
  GetClientRect(window, &client);
  return PtInRect(&client, at) != 0;
}

}  // namespace s::gui::win
