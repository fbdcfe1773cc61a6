#include "s/gui/win/NativeWindows.h"

#include <windows.h>

#include "s/gui/IComponent.h"
#include "s/gui/win/MessageParams.h"
#include "s/gui/win/Shell.h"
#include "s/gui/win/WindowClass.h"

namespace s::gui {

INativeWindows& platformNativeWindows() {
  static s::gui::win::NativeWindows windows;
  return windows;
}

}  // namespace s::gui

namespace s::gui::win {

s::gui::NativeWindow NativeWindows::createPanel(s::gui::IComponent* component,
                                                s::gui::NativeWindow parent) {
  if (parent == nullptr) return nullptr;
  DWORD style = kPanelStyle;
  if (component->isVisible()) style |= WS_VISIBLE;
  return WindowClass::create(0, L"", style, component->x() + component->offsetX(),
                             component->y() + component->offsetY(), component->width(),
                             component->height(), windowOf(parent), nullptr,
                             static_cast<s::gui::IMessageHook*>(component));
}

void NativeWindows::destroy(s::gui::NativeWindow window) {
  if (window != nullptr) DestroyWindow(windowOf(window));
}

std::intptr_t NativeWindows::send(s::gui::NativeWindow window, std::uint32_t message,
                                  s::gui::IComponent* argument) {
  return SendMessageW(windowOf(window), message, reinterpret_cast<WPARAM>(argument), 0);
}

void NativeWindows::place(s::gui::NativeWindow window, std::int32_t x, std::int32_t y,
                          std::int32_t width, std::int32_t height, std::uint32_t flags) {
  SetWindowPos(windowOf(window), nullptr, x, y, width, height, flags);
}

void NativeWindows::show(s::gui::NativeWindow window, bool visible) {
  ShowWindow(windowOf(window), visible ? SW_SHOW : SW_HIDE);
}

void NativeWindows::enable(s::gui::NativeWindow window, bool on) {
  EnableWindow(windowOf(window), on ? TRUE : FALSE);
}

bool NativeWindows::isEnabled(s::gui::NativeWindow window) {
  return IsWindowEnabled(windowOf(window)) != 0;
}

void NativeWindows::redraw(s::gui::NativeWindow window, bool all, std::int32_t x, std::int32_t y,
                           std::int32_t width, std::int32_t height) {
  const RECT area{x, y, x + width, y + height};
  RedrawWindow(windowOf(window), all ? nullptr : &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void NativeWindows::clientOrigin(s::gui::NativeWindow window, std::int32_t* x, std::int32_t* y) {
  POINT origin{0, 0};
  ClientToScreen(windowOf(window), &origin);
  *x = origin.x;
  *y = origin.y;
}

void NativeWindows::acceptFiles(s::gui::NativeWindow window, bool accept) {
  shell::dragAcceptFiles(windowOf(window), accept);
}

std::uint32_t NativeWindows::systemColour(std::int32_t index) { return GetSysColor(index); }

}  // namespace s::gui::win
