#pragma once

// Helpers for tests of top-level windows: a listener that logs what it hears (windows tell their
// listeners on their own thread), polling for a condition, and closing a message box the way a
// user would, from a thread of the test's own.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "s/gui/events/IEventListener.h"
#include "s/thread/Lock.h"

namespace support {

class EventLog final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject* source, std::int32_t code) override {
    {
      s::thread::LockGuard guard(lock_);
      codes_.push_back(code);
      last_ = source;
    }
    if (react) react(code);
  }
  std::vector<std::int32_t> codes() const {
    s::thread::LockGuard guard(lock_);
    return codes_;
  }
  int count(std::int32_t code) const {
    s::thread::LockGuard guard(lock_);
    int n = 0;
    for (std::int32_t c : codes_) n += c == code ? 1 : 0;
    return n;
  }
  s::base::IObject* lastSource() const {
    s::thread::LockGuard guard(lock_);
    return last_;
  }
  void clear() {
    s::thread::LockGuard guard(lock_);
    codes_.clear();
  }
  // Runs on the window's thread as each event arrives.
  std::function<void(std::int32_t)> react;

 private:
  mutable s::thread::Lock lock_;
  std::vector<std::int32_t> codes_;
  s::base::IObject* last_ = nullptr;
};

// Polls every 10 ms until condition holds or timeoutMs passes; the last answer.
template <class Condition>
bool eventually(Condition condition, DWORD timeoutMs = 3000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return condition();
    Sleep(10);
  }
  return true;
}

// Finds the next message box this process shows (within timeoutMs), reads its text and
// presses its first button, on a thread of its own. text() is empty when none came.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(DWORD timeoutMs = 5000) : timeoutMs_(timeoutMs) {
    thread_ = CreateThread(nullptr, 0, &MessageBoxCloser::run, this, 0, nullptr);
  }
  ~MessageBoxCloser() { finish(); }
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  // Waits for the closer to be done; the text of the box, or empty.
  std::wstring finish() {
    if (thread_ != nullptr) {
      WaitForSingleObject(thread_, timeoutMs_ + 2000);
      CloseHandle(thread_);
      thread_ = nullptr;
    }
    return text_;
  }

 private:
  static BOOL CALLBACK findBox(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (process == GetCurrentProcessId() && lstrcmpW(name, L"#32770") == 0 &&
        IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }
  static DWORD WINAPI run(void* self) {
    auto* closer = static_cast<MessageBoxCloser*>(self);
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (box == nullptr && GetTickCount() - start < closer->timeoutMs_) {
      EnumWindows(&findBox, reinterpret_cast<LPARAM>(&box));
      if (box == nullptr) Sleep(20);
    }
    if (box == nullptr) return 0;
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    closer->text_ = text;
    // The first button: OK, or Yes in a question.
    HWND button = FindWindowExW(box, nullptr, L"Button", nullptr);
    if (button != nullptr) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    } else {
      PostMessageW(box, WM_CLOSE, 0, 0);
    }
    return 0;
  }

  DWORD timeoutMs_;
  HANDLE thread_ = nullptr;
  std::wstring text_;
};

}  // namespace support
