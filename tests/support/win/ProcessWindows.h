#pragma once

// What a process holds in windows and GUI objects, to compare before and after a test. Wine
// answers 0 to GetGuiResources, so windows are also counted one by one (top-level windows of
// this process and all their descendants), which Wine does report.

#include <windows.h>

namespace support {

inline BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

inline BOOL CALLBACK countOwnTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  // Input-method helper windows come and go with threads of their own; they are not ours.
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpW(name, L"IME") == 0) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, &countChild, count);
  return TRUE;
}

// Every window of this process, top-level or child.
inline int processWindowCount() {
  int count = 0;
  EnumWindows(&countOwnTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct GuiCounts {
  DWORD gdi = 0;
  DWORD user = 0;
  int windows = 0;
  bool operator==(const GuiCounts& other) const {
    return gdi == other.gdi && user == other.user && windows == other.windows;
  }
};

inline GuiCounts guiCounts() {
  HANDLE self = GetCurrentProcess();
  return GuiCounts{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS),
                   processWindowCount()};
}

}  // namespace support
