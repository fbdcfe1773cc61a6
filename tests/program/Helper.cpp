// What the program's end-to-end tests need besides the driver:
//   program_helper hold KEY MARKER   makes the local-machine key KEY read-only for everyone, as
//                                    it is for a user without administrator rights, writes the
//                                    file MARKER, waits for release (five minutes at most) and
//                                    puts the access list back
//   program_helper release           ends the hold
//   program_helper minimize PID      minimises the visible top-level windows of process PID
//   program_helper state PID         prints "iconic=0|1 foreground=0|1" of its titled window
// Only the holding process can put the list back: it keeps the handle it opened with WRITE_DAC
// before the list changed.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "support/win/ReadOnlyKey.h"

namespace {

constexpr const wchar_t* kReleaseEvent = L"VexoE2eKeyGuardRelease";
constexpr DWORD kLongestHoldMs = 300000;

int hold(const wchar_t* path, const wchar_t* marker) {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, kReleaseEvent);
  if (release == nullptr) return 3;
  int code = 0;
  {
    vexo_test::ReadOnlyKey key(HKEY_LOCAL_MACHINE, path);
    if (!key.applied()) {
      code = 4;
    } else {
      HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE) {
        code = 5;
      } else {
        CloseHandle(file);
        if (WaitForSingleObject(release, kLongestHoldMs) != WAIT_OBJECT_0) code = 6;
      }
    }
  }
  CloseHandle(release);
  return code;
}

int releaseHold() {
  HANDLE release = OpenEventW(EVENT_MODIFY_STATE, FALSE, kReleaseEvent);
  if (release == nullptr) return 0;  // nothing held
  SetEvent(release);
  CloseHandle(release);
  return 0;
}

struct Search {
  DWORD pid;
  HWND found;
};

// The first visible, titled top-level window of the process (the toolkit's windows have a
// hidden owner, so ownership does not tell).
BOOL CALLBACK findMain(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !IsWindowVisible(hwnd) || GetWindowTextLengthW(hwnd) == 0) {
    return TRUE;
  }
  search->found = hwnd;
  return FALSE;
}

HWND mainWindowOf(const wchar_t* pidText) {
  Search search{static_cast<DWORD>(std::wcstoul(pidText, nullptr, 10)), nullptr};
  EnumWindows(findMain, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int minimize(const wchar_t* pidText) {
  HWND window = mainWindowOf(pidText);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_MINIMIZE);
  // The window's own thread carries the change out.
  for (int i = 0; i < 100 && !IsIconic(window); ++i) Sleep(20);
  return IsIconic(window) ? 0 : 1;
}

int state(const wchar_t* pidText) {
  HWND window = mainWindowOf(pidText);
  if (window == nullptr) return 1;
  std::printf("iconic=%d foreground=%d\n", IsIconic(window) ? 1 : 0,
              GetForegroundWindow() == window ? 1 : 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) return hold(argv[2], argv[3]);
  if (argc == 2 && std::wcscmp(argv[1], L"release") == 0) return releaseHold();
  if (argc == 3 && std::wcscmp(argv[1], L"minimize") == 0) return minimize(argv[2]);
  if (argc == 3 && std::wcscmp(argv[1], L"state") == 0) return state(argv[2]);
  std::fwprintf(stderr, L"usage: program_helper hold KEY MARKER | release | minimize PID | "
                        L"state PID\n");
  return 2;
}
