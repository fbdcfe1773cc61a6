#include "support/win/TestWindow.h"

#include "s/gui/PrivateMessage.h"
#include "s/gui/win/WindowClass.h"
#include "support/win/Cursor.h"

namespace support {

namespace {

// Clear of the toolkit's own messages (1025-1045, 5121-5122, 32769-32787).
constexpr UINT kRunCall = WM_APP + 0x100;
// Answers which of input and posted messages still wait for the window's thread.
constexpr UINT kWaitingQuestion = WM_APP + 0x102;

struct Call {
  void (*fn)(void*);
  void* argument;
};

}  // namespace

std::int32_t HostRoot::innerWidth() const {
  RECT client{};
  if (nativeWindow() != nullptr) GetClientRect(static_cast<HWND>(nativeWindow()), &client);
  return client.right;
}

std::int32_t HostRoot::innerHeight() const {
  RECT client{};
  if (nativeWindow() != nullptr) GetClientRect(static_cast<HWND>(nativeWindow()), &client);
  return client.bottom;
}

bool HostRoot::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
  switch (message) {
    case kRunCall: {
      const auto* call = reinterpret_cast<const Call*>(wParam);
      call->fn(call->argument);
      *result = 0;
      return true;
    }
    case kWaitingQuestion:
      *result = HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE));
      return true;
    case WM_LBUTTONDOWN:
      ++leftButtonDowns;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_CLICKACTIVE) ++clickActivations;
      break;
    case WM_INITMENUPOPUP:
      ++popupInits;
      break;
    case WM_KEYDOWN:
      ++keyDowns;
      *result = 42;
      return true;
    case WM_MOUSEWHEEL:
      ++wheels;
      break;
    default:
      break;
  }
  return ContainerBase::preHandle(result, message, wParam, lParam);
}

void HostRoot::nativeWindowDestroyed() {
  ContainerBase::nativeWindowDestroyed();
  PostQuitMessage(0);
}

TestWindow::TestWindow(int x, int y, int clientWidth, int clientHeight)
    : x_(x), y_(y), width_(clientWidth), height_(clientHeight) {
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &TestWindow::run, this, 0, &threadId_);
  if (thread_ != nullptr) WaitForSingleObject(ready_, 10000);
}

TestWindow::~TestWindow() {
  root_.removeAllChildren();
  if (window_ != nullptr) SendMessageW(window_, s::gui::PrivateMessage::kDefaultClose, 0, 0);
  if (thread_ != nullptr) {
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
  }
  if (ready_ != nullptr) CloseHandle(ready_);
}

DWORD WINAPI TestWindow::run(void* self) {
  auto* test = static_cast<TestWindow*>(self);
  RECT frame{0, 0, test->width_, test->height_};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND window = s::gui::win::WindowClass::create(
      0, L"gui test", style, test->x_, test->y_, frame.right - frame.left, frame.bottom - frame.top,
      nullptr, nullptr, static_cast<s::gui::IMessageHook*>(&test->root_));
  test->window_ = window;
  if (window != nullptr) {
    // Above other tests' windows, so that real clicks land here; never taking the foreground
    // from a test that watches it.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
  }
  SetEvent(test->ready_);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

void TestWindow::runOnUiThread(void (*fn)(void*), void* argument) {
  Call call{fn, argument};
  SendMessageW(window_, kRunCall, reinterpret_cast<WPARAM>(&call), 0);
}

void TestWindow::settle() {
  // Sent messages overtake queued input, so a round trip alone proves nothing: the thread itself
  // says whether anything still waits for it.
  for (int i = 0; i < 100; ++i) {
    DWORD_PTR waiting = 1;
    if (SendMessageTimeoutW(window_, kWaitingQuestion, 0, 0, SMTO_BLOCK, 1000, &waiting) == 0) {
      return;
    }
    if (waiting == 0) return;
    Sleep(10);
  }
}

bool moveMouseTo(TestWindow& test, POINT at) {
  const bool there = putCursorAt(at, test.window());
  test.settle();
  return there;
}

bool clickAt(TestWindow& test, POINT at) {
  if (!moveMouseTo(test, at)) return false;
  pressLeftButton();
  test.settle();
  return true;
}

}  // namespace support
