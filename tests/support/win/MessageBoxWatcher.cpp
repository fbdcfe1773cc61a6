#include "support/win/MessageBoxWatcher.h"

namespace support {

namespace {

struct Search {
  HWND box = nullptr;
};

BOOL CALLBACK findBox(HWND window, LPARAM argument) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window) != 0) {
    reinterpret_cast<Search*>(argument)->box = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK readStatic(HWND window, LPARAM argument) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpiW(name, L"Static") != 0) return TRUE;
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  // The icon is a static of its own, without text.
  if (text[0] == 0) return TRUE;
  *reinterpret_cast<std::wstring*>(argument) = text;
  return FALSE;
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
  for (int i = 0; i < 500 && search.box == nullptr; ++i) {
    EnumThreadWindows(watcher->threadId_, &findBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) Sleep(10);
  }
  if (search.box == nullptr) return 1;
  // Let the box finish building its controls.
  Sleep(50);
  watcher->caption = windowText(search.box);
  EnumChildWindows(search.box, &readStatic, reinterpret_cast<LPARAM>(&watcher->text));
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
