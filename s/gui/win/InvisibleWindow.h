#pragma once

#include <windows.h>

#include "s/gui/IMessageHook.h"

namespace s::gui::win {

// The hidden owner of a top-level window: an untitled pop-up of the toolkit's class that never
// shows in the taskbar, so that the window it owns is the only thing the user sees. Destroying
// it (message 32769) destroys the window it owns too.
class InvisibleWindow final : public s::gui::IMessageHook {
 public:
  InvisibleWindow() = default;
  ~InvisibleWindow() override = default;
  InvisibleWindow(const InvisibleWindow&) = delete;
  InvisibleWindow& operator=(const InvisibleWindow&) = delete;

  // On the thread that is to own it: creates, hides and restyles it; false when it could not
  // be created.
  bool create();
  HWND handle() const { return window_; }

  void nativeWindowCreated(s::gui::NativeWindow window) override {
    window_ = static_cast<HWND>(window);
  }
  void nativeWindowDestroyed() override { window_ = nullptr; }
  bool preHandle(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) override {
    return false;
  }
  void postHandle(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) override {}

 private:
  HWND window_ = nullptr;
};

}  // namespace s::gui::win
