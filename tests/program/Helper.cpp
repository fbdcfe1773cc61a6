// What the program's end-to-end tests need besides the driver:
//   program_helper hold KEY MARKER   makes the local-machine key KEY read-only for everyone, as
//                                    it is for a user without administrator rights, writes the
//                                    file MARKER, waits for release (five minutes at most) and
//                                    puts the access list back
//   program_helper release           ends the hold
//   program_helper minimize PID      minimises the visible top-level windows of process PID
//   program_helper state PID         prints "iconic=0|1 foreground=0|1" of its titled window
//   program_helper client PID        prints "WIDTHxHEIGHT", the client size of that window
//   program_helper middle PID X Y    a middle-button click at client point (X, Y) of it
//   program_helper record FILE TEXT  appends TEXT and a line end to FILE (a stand-in browser)
//   program_helper watch PID EXE [ARGUMENTS...]
//                                    runs EXE with this helper's standard handles, watching the
//                                    top-level windows until it ends; then prints
//                                    "new-windows=N" (windows that came up meanwhile and belong
//                                    to EXE's process or to process PID, each also listed) and
//                                    exits with EXE's exit code
// Only the holding process can put the list back: it keeps the handle it opened with WRITE_DAC
// before the list changed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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

int clientSize(const wchar_t* pidText) {
  HWND window = mainWindowOf(pidText);
  RECT client{};
  if (window == nullptr || !GetClientRect(window, &client)) return 1;
  std::printf("%ldx%ld\n", client.right, client.bottom);
  return 0;
}

int middleClick(const wchar_t* pidText, const wchar_t* x, const wchar_t* y) {
  HWND window = mainWindowOf(pidText);
  if (window == nullptr) return 1;
  const LPARAM at = MAKELPARAM(std::wcstol(x, nullptr, 10), std::wcstol(y, nullptr, 10));
  PostMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, at);
  PostMessageW(window, WM_MBUTTONUP, 0, at);
  return 0;
}

int record(const wchar_t* path, const wchar_t* text) {
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  char utf8[4096];
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
  if (bytes > 0) {
    utf8[bytes - 1] = '\n';
    DWORD written = 0;
    WriteFile(file, utf8, static_cast<DWORD>(bytes), &written, nullptr);
  }
  CloseHandle(file);
  return bytes > 0 ? 0 : 1;
}

BOOL CALLBACK collectTop(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> topWindows() {
  std::vector<HWND> windows;
  EnumWindows(collectTop, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool contains(const std::vector<HWND>& windows, HWND hwnd) {
  return std::find(windows.begin(), windows.end(), hwnd) != windows.end();
}

std::wstring quoted(const wchar_t* argument) { return L"\"" + std::wstring(argument) + L"\""; }

int watch(const wchar_t* pidText, int count, wchar_t** arguments) {
  const DWORD other = std::wcstoul(pidText, nullptr, 10);
  std::wstring commandLine = quoted(arguments[0]);
  for (int i = 1; i < count; ++i) commandLine += L" " + quoted(arguments[i]);
  const std::vector<HWND> before = topWindows();
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(arguments[0], &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fwprintf(stderr, L"could not start %ls: error %lu\n", arguments[0], GetLastError());
    return 3;
  }
  // Looked at every millisecond or so: a window that waited for an answer would be seen for
  // as long as it stayed, and one that flashed up and went would still be caught most times.
  std::vector<HWND> seen;
  DWORD waited = WAIT_TIMEOUT;
  for (DWORD elapsed = 0; waited == WAIT_TIMEOUT && elapsed < 60000; ++elapsed) {
    for (HWND hwnd : topWindows()) {
      DWORD pid = 0;
      GetWindowThreadProcessId(hwnd, &pid);
      if ((pid == process.dwProcessId || pid == other) && !contains(before, hwnd) &&
          !contains(seen, hwnd)) {
        seen.push_back(hwnd);
        wchar_t name[256] = {};
        GetClassNameW(hwnd, name, 256);
        std::wprintf(L"new-window pid=%lu class=%ls visible=%d\n", pid, name,
                     IsWindowVisible(hwnd) ? 1 : 0);
      }
    }
    waited = WaitForSingleObject(process.hProcess, 1);
  }
  DWORD code = 0;
  if (waited != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 0xDEAD);
    WaitForSingleObject(process.hProcess, 5000);
    std::fwprintf(stderr, L"%ls did not end within a minute\n", arguments[0]);
  }
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::wprintf(L"new-windows=%u\n", static_cast<unsigned>(seen.size()));
  std::fflush(stdout);
  return static_cast<int>(code);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) return hold(argv[2], argv[3]);
  if (argc == 2 && std::wcscmp(argv[1], L"release") == 0) return releaseHold();
  if (argc == 3 && std::wcscmp(argv[1], L"minimize") == 0) return minimize(argv[2]);
  if (argc == 3 && std::wcscmp(argv[1], L"state") == 0) return state(argv[2]);
  if (argc == 3 && std::wcscmp(argv[1], L"client") == 0) return clientSize(argv[2]);
  if (argc == 5 && std::wcscmp(argv[1], L"middle") == 0)
    return middleClick(argv[2], argv[3], argv[4]);
  if (argc == 4 && std::wcscmp(argv[1], L"record") == 0) return record(argv[2], argv[3]);
  if (argc >= 4 && std::wcscmp(argv[1], L"watch") == 0) return watch(argv[2], argc - 3, argv + 3);
  std::fwprintf(stderr,
                L"usage: program_helper hold KEY MARKER | release | minimize PID | "
                L"state PID | client PID | middle PID X Y | record FILE TEXT | "
                L"watch PID EXE [ARGUMENTS...]\n");
  return 2;
}
