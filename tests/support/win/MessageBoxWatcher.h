#pragma once

#include <windows.h>

#include <string>

namespace support {

// Watches one thread (or, given 0, every thread of this process) for a message box and answers it,
// so that a test that shows a modal box never waits for a user. Start it before the box is shown;
// it finds the box among the thread's windows, reads what a user would see, then presses the chosen
// button (or, when that button is missing, the first of cancel, no, OK that the box has). Gives up
// after about five seconds. The destructor waits for the watching thread.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher(DWORD threadId, int button);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  // Waits for the watching thread; true when a box was found, answered and has closed.
  bool finish();

  // Whether the box showed the system's icon of that name (IDI_WARNING, IDI_ERROR...).
  bool showedIcon(LPCWSTR systemIcon) const;

  std::wstring caption;
  std::wstring text;
  HICON icon = nullptr;
  // Which of the platform's buttons the box had.
  bool hasOk = false;
  bool hasCancel = false;
  bool hasYes = false;
  bool hasNo = false;
  bool answered = false;

 private:
  static DWORD WINAPI watch(void* self);

  DWORD threadId_;
  int button_;
  HANDLE thread_ = nullptr;
};

}  // namespace support
