#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s::gui::win {

// What a UI thread serves: a top-level window whose native windows it creates and whose
// messages it runs.
class IUIThreadClient {
 public:
  virtual ~IUIThreadClient() = default;
  // Runs on the UI thread: creates the native windows; false when that failed.
  virtual bool createNativeWindows() = 0;
  // The window whose child controls take dialog-style keyboard navigation (Tab, arrows, Enter,
  // Escape); null for none.
  virtual HWND dialogWindow() const = 0;
  // Offered every message the dialog navigation declined; true when it has been dealt with.
  virtual bool preTranslateMessage(MSG& message) = 0;
};

// A thread with its own message queue and loop on which one top-level window lives. The
// constructing thread hands the window over through a plain field and polls a running flag;
// no event objects are used.
class UIThread {
 public:
  enum class StopResult { kNotStarted, kStopped, kSuspended };

  // How long stop() tries before it gives up and suspends the thread.
  static constexpr std::uint32_t kStopBudgetMs = 5000;
  // How long waitUntilRunning() waits for the windows to exist.
  static constexpr std::uint32_t kStartBudgetMs = 5000;
  static constexpr std::uint32_t kPollMs = 10;

  UIThread() = default;
  // Stops the thread when it still runs.
  ~UIThread();
  UIThread(const UIThread&) = delete;
  UIThread& operator=(const UIThread&) = delete;

  // Starts the thread, which initialises the common controls and OLE and then waits for the
  // window to be handed over. False when no thread could be created.
  bool start();
  // The hand-over: from now on the thread creates client's windows and runs their messages.
  void setWindow(IUIThreadClient* client) { client_.store(client); }
  IUIThreadClient* window() const { return client_.load(); }
  // Polls every 10 ms until the windows exist (true), or the thread has ended or budgetMs has
  // passed without them (false).
  bool waitUntilRunning(std::uint32_t budgetMs = kStartBudgetMs) const;
  bool isRunning() const { return running_.load(); }
  // Ends the loop: posts WM_QUIT to the thread (retrying every 10 ms), waits for the
  // thread within the budget and suspends it when it has not ended by then. A thread still
  // creating its windows ends without running them. A caller that already spent part of the
  // 5000 ms on an unanswered thread passes what is left.
  StopResult stop(std::uint32_t budgetMs = kStopBudgetMs);
  bool isSuspended() const { return suspended_; }

  DWORD threadId() const { return threadId_; }
  // The thread's handle (owned by this object); null before start.
  HANDLE handle() const { return thread_; }

 private:
  static DWORD WINAPI threadMain(void* self);
  DWORD run();

  std::atomic<IUIThreadClient*> client_{nullptr};
  std::atomic<bool> running_{false};
  // Set by stop(): a thread still waiting for its window gives up.
  std::atomic<bool> cancelled_{false};
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  bool suspended_ = false;
};

}  // namespace s::gui::win
