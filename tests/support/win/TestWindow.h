#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/gui/ContainerBase.h"

namespace support {

// The top-level container of a test window: a plain column over the window's client area
// that counts what reaches it.
class HostRoot final : public s::gui::ContainerBase {
 public:
  const char16_t* className() const override { return u"support_HostRoot"; }
  s::base::IObject* newInstance() const override { return nullptr; }
  // Owned by its TestWindow, never pooled.
  void release() override {}
  void reset() override { resetContainer(); }
  bool isTopLevel() const override { return true; }
  std::int32_t innerWidth() const override;
  std::int32_t innerHeight() const override;

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void nativeWindowDestroyed() override;

  std::atomic<int> leftButtonDowns{0};
  std::atomic<int> clickActivations{0};
  std::atomic<int> popupInits{0};
  std::atomic<int> keyDowns{0};
  std::atomic<int> wheels{0};
};

// A real top-level window of the toolkit's class on a UI thread of its own, as the program's
// windows have, with a HostRoot as its component. Tests build trees from their own thread.
class TestWindow {
 public:
  // A visible window at (x, y) with a client area of the given size.
  TestWindow(int x, int y, int clientWidth, int clientHeight);
  // Releases the tree, destroys the window and waits for its thread to end.
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HostRoot& root() { return root_; }
  HWND window() const { return window_; }
  DWORD threadId() const { return threadId_; }
  // Runs fn(argument) on the UI thread and waits for it.
  void runOnUiThread(void (*fn)(void*), void* argument);
  // Lets the UI thread handle what is queued for it: returns once no input or posted message
  // waits for it (or after about a second).
  void settle();

 private:
  static DWORD WINAPI run(void* self);

  HostRoot root_;
  HWND window_ = nullptr;
  HANDLE thread_ = nullptr;
  HANDLE ready_ = nullptr;
  DWORD threadId_ = 0;
  int x_, y_, width_, height_;
};

// Moves the mouse to a screen point of the test window through the system's input queue, as a
// hand would, and lets the window's thread handle the move. False when the cursor could not be
// brought there or another window covers the point.
[[nodiscard]] bool moveMouseTo(TestWindow& test, POINT at);
// A real left click at a screen point of the test window: the cursor arrives first, then the
// press and release, handled by the window's thread when this returns. False as moveMouseTo.
[[nodiscard]] bool clickAt(TestWindow& test, POINT at);

// Polls until check() holds or about two seconds have passed.
template <class Check>
bool waitFor(Check check) {
  for (int i = 0; i < 200; ++i) {
    if (check()) return true;
    Sleep(10);
  }
  return check();
}

}  // namespace support
