#include "support/win/NativeButton.h"

#include "s/gui/PrivateMessage.h"
#include "s/thread/Pool.h"

namespace support {

NativeButton* NativeButton::make(std::int32_t width, std::int32_t height) {
  NativeButton* button = s::thread::takeFromPool<NativeButton>();
  button->setDefaultSizes(width, height, width, height);
  return button;
}

s::base::IObject* NativeButton::newInstance() const {
  return s::thread::takeFromPool<NativeButton>();
}

void NativeButton::release() { s::thread::giveBackToPool(this); }

void NativeButton::reset() {
  resetLeaf();
  subclass_.detach();
  clicked = 0;
  clickWParam = 0;
  clickLParam = 0;
  posted = 0;
  for (auto& count : received_) count = 0;
  for (auto& lParam : lastLParam_) lParam = 0;
  answer = 0;
}

s::gui::NativeWindow NativeButton::createNativeWindow(s::gui::NativeWindow parent) {
  DWORD style = WS_CHILD | BS_PUSHBUTTON;
  if (isVisible()) style |= WS_VISIBLE;
  return subclass_.create(L"BUTTON", 0, L"Press", style, x() + offsetX(), y() + offsetY(), width(),
                          height(), static_cast<HWND>(parent), this);
}

bool NativeButton::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
  if (message >= kFirst && message <= kLast) {
    ++received_[message - kFirst];
    lastLParam_[message - kFirst] = lParam;
    if (message == s::gui::PrivateMessage::kReflectedClicked) {
      clickWParam = wParam;
      clickLParam = lParam;
      ++clicked;
      *result = 0;
    } else {
      *result = answer;
    }
    return true;
  }
  return LeafComponent::preHandle(result, message, wParam, lParam);
}

void NativeButton::postHandle(std::intptr_t*, std::uint32_t message, std::uintptr_t,
                              std::intptr_t) {
  if (message == WM_LBUTTONDOWN) ++posted;
}

}  // namespace support
