#pragma once

#include <cstdint>

#include "s/gui/NativeWindow.h"

namespace s::gui {

// The object behind a native window: the window procedure hands it every message, before and
// after the default processing. The parameter types are those of LRESULT, WPARAM and LPARAM.
class IMessageHook {
 public:
  virtual ~IMessageHook() = default;

  // Called when the native window comes to life (WM_NCCREATE, or when a native control is
  // subclassed), before any other message reaches the hook.
  virtual void nativeWindowCreated(NativeWindow window) = 0;
  // Called as the native window goes away (WM_NCDESTROY); no message follows.
  virtual void nativeWindowDestroyed() = 0;
  // Sees a message first; true means handled, and *result is the answer.
  virtual bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) = 0;
  // Sees a message that was not handled after the default processing, its answer in *result,
  // which it may change.
  virtual void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) = 0;
};

}  // namespace s::gui
