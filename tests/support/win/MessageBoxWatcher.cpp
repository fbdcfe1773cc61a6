#include "support/win/MessageBoxWatcher.h"

namespace support {

namespace {

struct Search {
  DWORD threadId = 0;
  HWND box = nullptr;
};

bool isBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window) != 0;
}

BOOL CALLBACK findBox(HWND window, LPARAM argument) {
  auto* search = reinterpret_cast<Search*>(argument);
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  if (search->threadId != 0 && thread != search->threadId) return TRUE;
  if (!isBox(window)) return TRUE;
  search->box = window;
  return FALSE;
}

BOOL CALLBACK readStatic(HWND window, LPARAM argument) {
  auto* watcher = reinterpret_cast<MessageBoxWatcher*>(argument);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpiW(name, L"Static") != 0) return TRUE;
  // The icon is a static of its own, without text.
  if ((GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    watcher->icon = reinterpret_cast<HICON>(SendMessageW(window, STM_GETICON, 0, 0));
    return TRUE;
  }
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  if (text[0] != 0 && watcher->text.empty()) watcher->text = text;
  return TRUE;
}

std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(DWORD threadId, int button)
    : threadId_(threadId), button_(button) {
  thread_ = CreateThread(nullptr, 0, &MessageBoxWatcher::watch, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() { finish(); }

bool MessageBoxWatcher::showedIcon(LPCWSTR systemIcon) const {
  return icon != nullptr && icon == LoadIconW(nullptr, systemIcon);
}

bool MessageBoxWatcher::finish() {
  if (thread_ != nullptr) {
    WaitForSingleObject(thread_, 15000);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  return answered;
}

DWORD WINAPI MessageBoxWatcher::watch(void* self) {
  auto* watcher = static_cast<MessageBoxWatcher*>(self);
  Search search;
  search.threadId = watcher->threadId_;
  for (int i = 0; i < 500 && search.box == nullptr; ++i) {
    EnumWindows(&findBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) Sleep(10);
  }
  if (search.box == nullptr) return 1;
  // Let the box finish building its controls.
  Sleep(50);
  watcher->caption = windowText(search.box);
  EnumChildWindows(search.box, &readStatic, reinterpret_cast<LPARAM>(watcher));
  watcher->hasOk = GetDlgItem(search.box, IDOK) != nullptr;
  watcher->hasCancel = GetDlgItem(search.box, IDCANCEL) != nullptr;
  watcher->hasYes = GetDlgItem(search.box, IDYES) != nullptr;
  watcher->hasNo = GetDlgItem(search.box, IDNO) != nullptr;
  HWND button = GetDlgItem(search.box, watcher->button_);
  for (const int fallback : {IDCANCEL, IDNO, IDOK}) {
    if (button == nullptr) button = GetDlgItem(search.box, fallback);
  }
  if (button == nullptr) return 1;
  // A press as the box sees a click on the button.
  PostMessageW(search.box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  // Answered once the box is gone: a box still closing when the next watcher starts would be
  // taken for the next box.
  for (int i = 0; i < 500 && IsWindow(search.box) != 0; ++i) Sleep(10);
  watcher->answered = IsWindow(search.box) == 0;
  return watcher->answered ? 0 : 1;
}

}  // namespace support
