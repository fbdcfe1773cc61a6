#include "s/gui/win/InvisibleWindow.h"

#include "s/gui/win/WindowClass.h"

namespace s::gui::win {

bool InvisibleWindow::create() {
  HWND created = WindowClass::create(0, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, nullptr, nullptr, this);
  if (created == nullptr) return false;
  window_ = created;
  ShowWindow(window_, SW_HIDE);
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  SetWindowLongPtrW(window_, GWL_EXSTYLE, (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  return true;
}

}  // namespace s::gui::win
