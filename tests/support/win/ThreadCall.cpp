#include "support/win/ThreadCall.h"

namespace support {

namespace {

// Marks the one sent message the hook acts on; any other WM_NULL passes untouched.
constexpr WPARAM kCallMark = 0x5643414C;

struct Call {
  void (*fn)(void*);
  void* argument;
};

LRESULT CALLBACK onSent(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_NULL && sent->wParam == kCallMark) {
    const auto* call = reinterpret_cast<const Call*>(sent->lParam);
    call->fn(call->argument);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool runOnThreadOf(HWND window, void (*fn)(void*), void* argument) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &onSent, nullptr, thread);
  if (hook == nullptr) return false;
  Call call{fn, argument};
  SendMessageW(window, WM_NULL, kCallMark, reinterpret_cast<LPARAM>(&call));
  UnhookWindowsHookEx(hook);
  return true;
}

}  // namespace support
