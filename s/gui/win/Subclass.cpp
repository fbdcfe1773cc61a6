#include "s/gui/win/Subclass.h"

namespace s::gui::win {

HWND Subclass::create(const wchar_t* className, DWORD extendedStyle, const wchar_t* text,
                      DWORD style, int x, int y, int width, int height, HWND parent,
                      s::gui::IMessageHook* hook) {
  HWND window = CreateWindowExW(extendedStyle, className, text, style, x, y, width, height, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  if (!attach(window, hook)) {
    DestroyWindow(window);
    return nullptr;
  }
  return window;
}

bool Subclass::attach(HWND window, s::gui::IMessageHook* hook) {
  detach();
  if (window == nullptr || hook == nullptr) return false;
  window_ = window;
  hook_ = hook;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass::procedure)));
  if (original_ == nullptr) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    hook_ = nullptr;
    return false;
  }
  hook->nativeWindowCreated(window);
  return true;
}

void Subclass::detach() {
  if (window_ == nullptr) return;
  // Only put the procedure back while ours is in place: someone may have chained after us.
  if (GetWindowLongPtrW(window_, GWLP_WNDPROC) ==
      reinterpret_cast<LONG_PTR>(&Subclass::procedure)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  }
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  original_ = nullptr;
  hook_ = nullptr;
}

LRESULT Subclass::callOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
  return original_ != nullptr ? CallWindowProcW(original_, window_, message, wParam, lParam)
                              : DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = reinterpret_cast<Subclass*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (record == nullptr || record->window_ != window) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  s::gui::IMessageHook* hook = record->hook_;
  const WNDPROC original = record->original_;
  std::intptr_t result = 0;
  try {
    // The control's own procedure must see its WM_NCDESTROY to free what it holds.
    const bool handled = hook->preHandle(&result, message, wParam, lParam);
    if (handled && message != WM_NCDESTROY) return result;
    const LRESULT own = CallWindowProcW(original, window, message, wParam, lParam);
    // The record may be gone with the window (the pre-handler can destroy it).
    if (!handled) {
      result = own;
      if (GetWindowLongPtrW(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(record)) {
        hook->postHandle(&result, message, wParam, lParam);
      }
    }
  } catch (...) {
    result = 0;
  }
  if (message == WM_NCDESTROY &&
      GetWindowLongPtrW(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(record)) {
    record->detach();
    try {
      hook->nativeWindowDestroyed();
    } catch (...) {
    }
  }
  return result;
}

}  // namespace s::gui::win
