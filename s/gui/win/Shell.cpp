#include "s/gui/win/Shell.h"

#include <atomic>

#include "s/system/os/win/EntryPoint.h"

namespace s::gui::win::shell {

namespace {

HMODULE library() {
  static std::atomic<HMODULE> loaded{nullptr};
  HMODULE module = loaded.load(std::memory_order_acquire);
  if (module == nullptr) {
    // A known system library, so never taken from the program's folder. Two threads may both
    // load it: the loads are counted, and it stays for the life of the process either way.
    module = LoadLibraryW(L"shell32.dll");
    loaded.store(module, std::memory_order_release);
  }
  return module;
}

template <class Function>
Function find(const char* name) {
  return s::system::os::win::entryPoint<Function>(library(), name);
}

}  // namespace

void dragAcceptFiles(HWND window, bool accept) {
  using Function = void(WINAPI*)(HWND, BOOL);
  if (auto function = find<Function>("DragAcceptFiles")) function(window, accept ? TRUE : FALSE);
}

UINT dragQueryFile(HDROP drop, UINT index, wchar_t* path, UINT room) {
  using Function = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
  auto function = find<Function>("DragQueryFileW");
  return function != nullptr ? function(drop, index, path, room) : 0;
}

void dragFinish(HDROP drop) {
  using Function = void(WINAPI*)(HDROP);
  if (auto function = find<Function>("DragFinish")) function(drop);
}

bool shellExecuteEx(SHELLEXECUTEINFOW* info) {
  using Function = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  auto function = find<Function>("ShellExecuteExW");
  return function != nullptr && function(info) != FALSE;
}

bool notifyIcon(DWORD action, NOTIFYICONDATAW* data) {
  using Function = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
  auto function = find<Function>("Shell_NotifyIconW");
  return function != nullptr && function(action, data) != FALSE;
}

}  // namespace s::gui::win::shell
