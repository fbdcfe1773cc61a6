// The UI thread: its own loop with dialog navigation first, the hand-over of the window, the
// bounded waits at start and stop, and the suspension of a thread that does not stop.
#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>

#include "s/gui/win/UIThread.h"
#include "support/win/ProcessWindows.h"

using s::gui::win::IUIThreadClient;
using s::gui::win::UIThread;

namespace {

constexpr UINT kBlock = WM_APP + 1;      // the handler waits on an event
constexpr UINT kSwallowed = WM_APP + 2;  // the client's pre-translation takes it
constexpr UINT kReached = WM_APP + 3;    // reaches the window procedure

struct Seen {
  std::atomic<int> reached{0};
  std::atomic<int> swallowed{0};
  std::atomic<DWORD> handlerThread{0};
  HANDLE release = nullptr;
};

LRESULT CALLBACK testProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* seen = reinterpret_cast<Seen*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (seen != nullptr && message == kReached) {
    seen->handlerThread = GetCurrentThreadId();
    ++seen->reached;
    return 0;
  }
  if (seen != nullptr && message == kBlock) {
    WaitForSingleObject(seen->release, 30000);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* testClass() {
  static const bool registered = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = &testProcedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"VexoTestUIThreadWindow";
    return RegisterClassW(&c) != 0;
  }();
  return registered ? L"VexoTestUIThreadWindow" : nullptr;
}

// A frame with two tab-stop buttons, made on the UI thread.
class TestClient final : public IUIThreadClient {
 public:
  explicit TestClient(bool fail = false, DWORD creationDelayMs = 0)
      : fail_(fail), delay_(creationDelayMs) {}

  bool createNativeWindows() override {
    if (delay_ > 0) Sleep(delay_);
    if (fail_) return false;
    frame = CreateWindowExW(0, testClass(), L"UI thread test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (frame == nullptr) return false;
    SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
    first = CreateWindowExW(0, L"BUTTON", L"one", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 80, 20,
                            frame, nullptr, nullptr, nullptr);
    second = CreateWindowExW(0, L"BUTTON", L"two", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 30, 80,
                             20, frame, nullptr, nullptr, nullptr);
    ShowWindow(frame, SW_SHOW);
    SetFocus(first);
    return true;
  }
  HWND dialogWindow() const override { return frame; }
  bool preTranslateMessage(MSG& message) override {
    if (message.message != kSwallowed) return false;
    ++seen.swallowed;
    return true;
  }

  Seen seen;
  HWND frame = nullptr;
  HWND first = nullptr;
  HWND second = nullptr;

 private:
  bool fail_;
  DWORD delay_;
};

// Creation that fails with a box nobody answers, as a window whose class cannot be registered.
class BoxClient final : public IUIThreadClient {
 public:
  bool createNativeWindows() override {
    MessageBoxW(nullptr, L"Creation failed", L"Error!", MB_OK | MB_ICONWARNING);
    return false;
  }
  HWND dialogWindow() const override { return nullptr; }
  bool preTranslateMessage(MSG&) override { return false; }
};

HWND focusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Polls every 10 ms for up to two seconds.
template <class Condition>
bool eventually(Condition condition) {
  for (int i = 0; i < 200; ++i) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

DWORD exitCodeOf(HANDLE thread) {
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  return code;
}

}  // namespace

TEST_CASE("ui thread: the window is made and served on the thread, dialog keys first") {
  const support::GuiCounts before = support::guiCounts();
  {
    TestClient client;
    UIThread thread;
    REQUIRE(thread.start());
    CHECK_FALSE(thread.isRunning());
    thread.setWindow(&client);
    REQUIRE(thread.waitUntilRunning());
    CHECK(thread.window() == &client);
    REQUIRE(IsWindow(client.frame));
    CHECK(GetWindowThreadProcessId(client.frame, nullptr) == thread.threadId());

    // Messages the dialog navigation declines go to the client's pre-translation, then to the
    // window procedure, on the UI thread.
    PostMessageW(client.frame, kSwallowed, 0, 0);
    PostMessageW(client.frame, kReached, 0, 0);
    CHECK(eventually([&] { return client.seen.reached.load() == 1; }));
    CHECK(client.seen.swallowed.load() == 1);
    CHECK(client.seen.handlerThread.load() == thread.threadId());

    // Tab among the buttons is the dialog navigation's.
    REQUIRE(eventually([&] { return focusOf(thread.threadId()) == client.first; }));
    PostMessageW(client.first, WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(client.first, WM_KEYUP, VK_TAB, 0xC0000001);
    CHECK(eventually([&] { return focusOf(thread.threadId()) == client.second; }));

    CHECK(thread.stop() == UIThread::StopResult::kStopped);
    CHECK_FALSE(thread.isRunning());
    CHECK(WaitForSingleObject(thread.handle(), 0) == WAIT_OBJECT_0);
    CHECK(exitCodeOf(thread.handle()) == 0);
    // The thread's windows went with it.
    CHECK_FALSE(IsWindow(client.frame));
    CHECK_FALSE(IsWindow(client.first));
  }
  CHECK(eventually([&] { return support::guiCounts() == before; }));
}

TEST_CASE("ui thread: waiting for windows that cannot be made ends, with the thread") {
  SUBCASE("creation fails: the wait ends as soon as the thread does") {
    TestClient client(true);
    UIThread thread;
    REQUIRE(thread.start());
    thread.setWindow(&client);
    const DWORD start = GetTickCount();
    CHECK_FALSE(thread.waitUntilRunning());
    CHECK(GetTickCount() - start < UIThread::kStartBudgetMs);
    CHECK(WaitForSingleObject(thread.handle(), 0) == WAIT_OBJECT_0);
    CHECK(exitCodeOf(thread.handle()) == 1);
    CHECK(thread.stop() == UIThread::StopResult::kStopped);
  }
  SUBCASE("creation takes too long: the wait gives up after its budget") {
    TestClient client(false, 1500);
    UIThread thread;
    REQUIRE(thread.start());
    thread.setWindow(&client);
    CHECK_FALSE(thread.waitUntilRunning(200));
    // The thread itself goes on and comes up; stopping it then ends it normally.
    CHECK(thread.waitUntilRunning(UIThread::kStartBudgetMs));
    CHECK(thread.stop() == UIThread::StopResult::kStopped);
  }
  SUBCASE("stopped while still creating: the thread ends once done, without running them") {
    TestClient client(false, 1500);
    UIThread thread;
    REQUIRE(thread.start());
    thread.setWindow(&client);
    CHECK_FALSE(thread.waitUntilRunning(200));
    const DWORD start = GetTickCount();
    CHECK(thread.stop() == UIThread::StopResult::kStopped);
    CHECK(GetTickCount() - start < UIThread::kStopBudgetMs);
    CHECK_FALSE(thread.isRunning());
    CHECK(exitCodeOf(thread.handle()) == 1);
    // Its windows went with it.
    CHECK_FALSE(IsWindow(client.frame));
  }
  SUBCASE("stopped while its failing creation shows a box: the box closes, the thread ends") {
    BoxClient client;
    UIThread thread;
    REQUIRE(thread.start());
    thread.setWindow(&client);
    CHECK_FALSE(thread.waitUntilRunning(300));
    const DWORD start = GetTickCount();
    CHECK(thread.stop() == UIThread::StopResult::kStopped);
    CHECK(GetTickCount() - start < UIThread::kStopBudgetMs);
    CHECK(exitCodeOf(thread.handle()) == 1);
  }
  SUBCASE("no window is ever handed over: stopping ends the waiting thread") {
    UIThread thread;
    REQUIRE(thread.start());
    CHECK_FALSE(thread.waitUntilRunning(50));
    CHECK(thread.stop() == UIThread::StopResult::kStopped);
    CHECK(exitCodeOf(thread.handle()) == 1);
  }
}

TEST_CASE("ui thread: a loop that does not react is suspended after the 5-second budget") {
  TestClient client;
  client.seen.release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  REQUIRE(client.seen.release != nullptr);
  UIThread thread;
  REQUIRE(thread.start());
  thread.setWindow(&client);
  REQUIRE(thread.waitUntilRunning());
  PostMessageW(client.frame, kBlock, 0, 0);
  Sleep(50);

  const DWORD start = GetTickCount();
  CHECK(thread.stop() == UIThread::StopResult::kSuspended);
  const DWORD took = GetTickCount() - start;
  CHECK(took >= UIThread::kStopBudgetMs - 50);
  CHECK(took < 3 * UIThread::kStopBudgetMs);
  CHECK(thread.isSuspended());
  CHECK(WaitForSingleObject(thread.handle(), 0) == WAIT_TIMEOUT);
  // A second stop has nothing more to do.
  CHECK(thread.stop() == UIThread::StopResult::kSuspended);

  // The test lets it go again (the program never does), so that nothing outlives the case.
  CHECK(ResumeThread(thread.handle()) == 1);
  SetEvent(client.seen.release);
  CHECK(WaitForSingleObject(thread.handle(), 5000) == WAIT_OBJECT_0);
  CloseHandle(client.seen.release);
}
