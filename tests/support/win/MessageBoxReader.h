#pragma once

// Reads a message box while it is open (caption, text and the icon it shows) and then presses
// one of its buttons, on a thread of its own, so that a test never waits for a user. Unlike
// MessageBoxWatcher it can watch every thread of the process, for a box shown by a thread
// the test does not know yet, and it tells which icon the box shows. Header-only, so that
// probe programs outside the test binary can use it.

#include <windows.h>

#include <string>

namespace support {

class MessageBoxReader {
 public:
  // threadId 0 watches every thread of this process. button is the control id to press
  // (IDOK, IDYES, IDNO...); when the box lacks it, the first of cancel, no, OK it has.
  MessageBoxReader(DWORD threadId, int button, DWORD timeoutMs = 5000)
      : threadId_(threadId), button_(button), timeoutMs_(timeoutMs) {
    thread_ = CreateThread(nullptr, 0, &MessageBoxReader::run, this, 0, nullptr);
  }
  ~MessageBoxReader() { finish(); }
  MessageBoxReader(const MessageBoxReader&) = delete;
  MessageBoxReader& operator=(const MessageBoxReader&) = delete;

  // Waits for the reader; true when a box was found, answered and has closed.
  bool finish() {
    if (thread_ != nullptr) {
      WaitForSingleObject(thread_, timeoutMs_ + 10000);
      CloseHandle(thread_);
      thread_ = nullptr;
    }
    return answered;
  }

  // Whether the box showed the system's icon of that name (IDI_WARNING, IDI_ERROR...).
  bool showedIcon(LPCWSTR systemIcon) const {
    return icon != nullptr && icon == LoadIconW(nullptr, systemIcon);
  }

  std::wstring caption;
  std::wstring text;
  HICON icon = nullptr;
  bool hasYes = false;
  bool hasNo = false;
  bool hasOk = false;
  bool answered = false;

 private:
  struct Search {
    DWORD threadId;
    HWND box;
  };

  static BOOL CALLBACK findBox(HWND window, LPARAM argument) {
    auto* search = reinterpret_cast<Search*>(argument);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    if (search->threadId != 0 && thread != search->threadId) return TRUE;
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    search->box = window;
    return FALSE;
  }

  static BOOL CALLBACK readChild(HWND child, LPARAM argument) {
    auto* reader = reinterpret_cast<MessageBoxReader*>(argument);
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") != 0) return TRUE;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      reader->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
      return TRUE;
    }
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    if (text[0] != 0 && reader->text.empty()) reader->text = text;
    return TRUE;
  }

  static DWORD WINAPI run(void* self) {
    auto* reader = static_cast<MessageBoxReader*>(self);
    Search search{reader->threadId_, nullptr};
    const DWORD start = GetTickCount();
    while (search.box == nullptr && GetTickCount() - start < reader->timeoutMs_) {
      EnumWindows(&findBox, reinterpret_cast<LPARAM>(&search));
      if (search.box == nullptr) Sleep(10);
    }
    if (search.box == nullptr) return 1;
    // Let the box finish building its controls.
    Sleep(50);
    wchar_t caption[256] = {};
    GetWindowTextW(search.box, caption, 256);
    reader->caption = caption;
    EnumChildWindows(search.box, &readChild, reinterpret_cast<LPARAM>(reader));
    reader->hasYes = GetDlgItem(search.box, IDYES) != nullptr;
    reader->hasNo = GetDlgItem(search.box, IDNO) != nullptr;
    reader->hasOk = GetDlgItem(search.box, IDOK) != nullptr;
    HWND button = GetDlgItem(search.box, reader->button_);
    for (const int fallback : {IDCANCEL, IDNO, IDOK}) {
      if (button == nullptr) button = GetDlgItem(search.box, fallback);
    }
    if (button == nullptr) return 1;
    PostMessageW(search.box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    // Answered once the box is gone, so that the next reader does not take it for its box.
    for (int i = 0; i < 500 && IsWindow(search.box); ++i) Sleep(10);
    reader->answered = !IsWindow(search.box);
    return reader->answered ? 0 : 1;
  }

  DWORD threadId_;
  int button_;
  DWORD timeoutMs_;
  HANDLE thread_ = nullptr;
};

}  // namespace support
