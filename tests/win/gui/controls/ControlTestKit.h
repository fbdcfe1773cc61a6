#pragma once

#include <doctest/doctest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "s/gui/IComponent.h"
#include "support/win/GuiObjectCount.h"
#include "support/win/ThreadCall.h"

// What the control tests share: where a control is on the screen, real mouse input through
// the system's queue, hit tests, pixels read back from a window, and object counts.
namespace controls_test {

inline HWND handleOf(const s::gui::IComponent* component) {
  return static_cast<HWND>(component->nativeWindow());
}

inline POINT screenPointOf(const s::gui::IComponent* component, int x, int y) {
  POINT at{x, y};
  ClientToScreen(handleOf(component), &at);
  return at;
}

inline POINT screenCentreOf(const s::gui::IComponent* component) {
  RECT area{};
  GetWindowRect(handleOf(component), &area);
  return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

inline LRESULT hitTestAt(const s::gui::IComponent* component, POINT at) {
  return SendMessageW(handleOf(component), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

// A mouse event at a screen point, absolute, through the system's input queue.
inline void sendMouse(POINT at, DWORD buttons) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((at.x * 65535LL + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((at.y * 65535LL + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof(INPUT));
}

// Moves the cursor with no button held. (While a button is held, Wine's desktop puts the
// cursor back where the press was: a drag can only end with releaseAt.)
inline void moveTo(POINT at) {
  POINT now{};
  GetCursorPos(&now);
  const bool already = now.x == at.x && now.y == at.y;
  // The pointer itself goes there first, while no window holds the mouse: Wine's desktop
  // returns the cursor to the pointer's place once a button is pressed, and will not move the
  // pointer while a window has the capture.
  SetCursorPos(at.x, at.y);
  // A move to where the cursor is already is no move at all: come from beside it.
  if (already) sendMouse(POINT{at.x + 1, at.y}, 0);
  sendMouse(at, 0);
  // The queue moves the cursor a little later; wait until it is there.
  for (int i = 0; i < 100; ++i) {
    GetCursorPos(&now);
    if (now.x == at.x && now.y == at.y) break;
    Sleep(5);
  }
}

inline void pressAt(POINT at) {
  moveTo(at);
  sendMouse(at, MOUSEEVENTF_LEFTDOWN);
}

// Moves to at and releases the left button there: the control holding the mouse sees the move
// first.
inline void releaseAt(POINT at) { sendMouse(at, MOUSEEVENTF_LEFTUP); }

inline void clickAt(POINT at) {
  pressAt(at);
  releaseAt(at);
}

// Far from every test window.
inline void moveAway() { moveTo(POINT{1200, 1000}); }

// The client area of window as it is on the screen, one COLORREF per pixel, row by row.
class Pixels {
 public:
  explicit Pixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    // Painted on the window's own thread, where the update is done when the call returns;
    // asked from here, the copy below could catch the window erased but not yet painted.
    const auto repaint = [](void* target) {
      RedrawWindow(static_cast<HWND>(target), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    if (!support::runOnThreadOf(window, repaint, window)) repaint(window);
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* rows = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; rows != nullptr && i < width_ * height_; ++i) {
      const std::uint32_t bgr = rows[i];
      pixels_.push_back(RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
  }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

inline DWORD gdiObjects() { return support::gdiObjectCount(); }
inline DWORD userObjects() { return support::userObjectCount(); }

}  // namespace controls_test
