#include "s/gui/win/ProgressBar.h"

#include <commctrl.h>

#include "s/thread/Pool.h"

namespace s::gui::win {

s::base::IObject* ProgressBar::newInstance() const {
  return s::thread::takeFromPool<ProgressBar>();
}

void ProgressBar::release() { s::thread::giveBackToPool(this); }

void ProgressBar::reset() {
  resetLeaf();
  subclass_.detach();
  minimum_ = 0;
  maximum_ = 100;
  position_ = 0;
}

void ProgressBar::setRange(std::int32_t minimum, std::int32_t maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  if (window() != nullptr) SendMessageW(window(), kSetRangeMessage, minimum, maximum);
}

void ProgressBar::setPosition(std::int32_t position) {
  position_ = position;
  if (window() != nullptr) SendMessageW(window(), kSetPositionMessage, position, 0);
}

s::gui::NativeWindow ProgressBar::createNativeWindow(s::gui::NativeWindow parent) {
  // Start-up registers the common controls; a library user may not have.
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (isVisible()) style |= WS_VISIBLE;
  HWND bar = subclass_.create(PROGRESS_CLASSW, 0, L"", style, x() + offsetX(), y() + offsetY(),
                              width(), height(), static_cast<HWND>(parent), this);
  if (bar != nullptr) {
    SendMessageW(bar, kSetRangeMessage, minimum_, maximum_);
    SendMessageW(bar, kSetPositionMessage, position_, 0);
  }
  return bar;
}

bool ProgressBar::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  if (message == WM_ERASEBKGND) {
    *result = 1;
    return true;
  }
  return LeafComponent::preHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
