// Holds a local-machine registry key read-only for everyone while an end-to-end test runs the
// program against it, as it is for a user without administrator rights.
//   key_guard hold KEY MARKER   makes KEY read-only, writes the file MARKER, waits for release
//                               (at most five minutes) and puts the access list back
//   key_guard release           ends the hold
// Only the holding process can put the list back: it keeps the handle opened with WRITE_DAC
// before the list changed.
#include <windows.h>

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
      HANDLE file =
          CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) return hold(argv[2], argv[3]);
  if (argc == 2 && std::wcscmp(argv[1], L"release") == 0) return releaseHold();
  std::fwprintf(stderr, L"usage: key_guard hold KEY MARKER | key_guard release\n");
  return 2;
}
