#include "s/gui/win/UIThread.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

namespace s::gui::win {

namespace {
constexpr DWORD kAllControlClasses = 0xFF;

DWORD elapsedSince(DWORD start) { return GetTickCount() - start; }

// Only keyboard and mouse input goes to the dialog navigation: it would dispatch anything else
// itself, past the client's pre-translation.
bool isInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}
}  // namespace

UIThread::~UIThread() {
  if (thread_ == nullptr) return;
  if (!suspended_) stop();
  CloseHandle(thread_);
}

bool UIThread::start() {
  if (thread_ != nullptr) return false;
  cancelled_ = false;
  thread_ = CreateThread(nullptr, 0, &UIThread::threadMain, this, 0, &threadId_);
  return thread_ != nullptr;
}

DWORD WINAPI UIThread::threadMain(void* self) { return static_cast<UIThread*>(self)->run(); }

DWORD UIThread::run() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = kAllControlClasses;
  InitCommonControlsEx(&controls);
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                       RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);

  IUIThreadClient* client = nullptr;
  while ((client = client_.load()) == nullptr && !cancelled_.load()) Sleep(kPollMs);
  // Stopped while it was still creating: whoever waited has given up on these windows, and
  // they go with the thread.
  if (client == nullptr || !client->createNativeWindows() || cancelled_.load()) {
    if (ole) OleUninitialize();
    return 1;
  }
  running_ = true;

  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    HWND dialog = client->dialogWindow();
    if (dialog != nullptr && isInput(message.message) && IsDialogMessageW(dialog, &message)) {
      continue;
    }
    if (client->preTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  running_ = false;
  if (ole) OleUninitialize();
  return got == 0 ? static_cast<DWORD>(message.wParam) : 1;
}

bool UIThread::waitUntilRunning(std::uint32_t budgetMs) const {
  if (thread_ == nullptr) return false;
  const DWORD start = GetTickCount();
  while (!running_.load()) {
    // A thread that ended will never run: no point waiting out the budget.
    if (WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0) return false;
    if (elapsedSince(start) >= budgetMs) return false;
    Sleep(kPollMs);
  }
  return true;
}

UIThread::StopResult UIThread::stop(std::uint32_t budgetMs) {
  if (thread_ == nullptr) return StopResult::kNotStarted;
  if (suspended_) return StopResult::kSuspended;
  cancelled_ = true;
  const DWORD start = GetTickCount();
  // Posted even before the loop runs: a thread still creating its windows finds it there (and
  // a failure box it shows meanwhile closes on it instead of freezing once suspended). Posting
  // fails until the thread has a message queue.
  while (WaitForSingleObject(thread_, 0) != WAIT_OBJECT_0) {
    if (PostThreadMessageW(threadId_, WM_QUIT, 0, 0)) break;
    if (elapsedSince(start) >= budgetMs) break;
    Sleep(kPollMs);
  }
  const DWORD used = elapsedSince(start);
  const DWORD remaining = used >= budgetMs ? 0 : budgetMs - used;
  if (WaitForSingleObject(thread_, remaining) == WAIT_OBJECT_0) return StopResult::kStopped;
  // Never killed: a suspended thread keeps whatever it holds, a killed one may corrupt it.
  SuspendThread(thread_);
  suspended_ = true;
  return StopResult::kSuspended;
}

}  // namespace s::gui::win
