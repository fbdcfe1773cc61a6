#pragma once

// Finding windows and controls of another process and reading what a user sees on them.

#include <windows.h>

#include <string>
#include <vector>

#include "../Step.h"

namespace e2e {

std::wstring wide(const std::u16string& text);
std::u16string narrow(const std::wstring& text);

// Which top-level window a step means. Every field left empty matches anything.
struct WindowQuery {
  HWND hwnd = nullptr;
  DWORD pid = 0;
  std::u16string exe;  // file name of the process, any letter case
  std::u16string windowClass;
  std::u16string title;      // the whole caption
  std::u16string titlePart;  // a part of the caption
  bool hiddenToo = false;
  int index = 0;  // the nth match, top of the z-order first

  bool empty() const;
};

// Which control inside it.
struct ControlQuery {
  bool given = false;
  bool byText = false;
  std::u16string text;  // as the user reads it: mnemonic marks do not count
  std::u16string controlClass;
  int id = -1;
  int index = 0;
  bool hiddenToo = false;
};

// The keys the two queries read, for Step::onlyKeys.
#define E2E_WINDOW_KEYS \
  "hwnd", "pid", "exe", "class", "title", "title-part", "hidden", "window-index"
#define E2E_CONTROL_KEYS "control", "control-class", "control-id", "control-index", "control-hidden"

bool windowQueryOf(const Step& step, WindowQuery* query, std::string* error);
bool controlQueryOf(const Step& step, ControlQuery* query, std::string* error);

// The windows matching now, in z-order. Without a class, menus ("#32768") and dialog boxes
// ("#32770") are left out: a program's own window is what a query for it wants.
std::vector<HWND> topWindowsNow(const WindowQuery& query);
std::vector<HWND> controlsNow(HWND top, const ControlQuery& query);

std::u16string windowText(HWND hwnd);
std::u16string classOf(HWND hwnd);
DWORD processOf(HWND hwnd);
std::vector<DWORD> processesNamed(const std::u16string& exe);

// Milliseconds since an arbitrary start, from the performance counter: whole ones for bounded
// waits, fractions for timing.
double preciseMs();
inline unsigned long long nowMs() { return static_cast<unsigned long long>(preciseMs()); }

// Calls ready every 20 ms until it answers true or timeoutMs pass; true when it did.
template <typename Ready>
bool waitUntil(DWORD timeoutMs, Ready ready) {
  unsigned long long end = nowMs() + timeoutMs;
  for (;;) {
    if (ready()) return true;
    if (nowMs() >= end) return false;
    Sleep(20);
  }
}

// One line about a window: handle, process, class, caption, states and rectangle.
std::string describeWindow(HWND hwnd, HWND relativeTo);
std::string handleText(HWND hwnd);

}  // namespace e2e
