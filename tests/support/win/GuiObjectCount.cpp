#include "support/win/GuiObjectCount.h"

#include <algorithm>
#include <vector>

namespace support {

namespace {

// Probes are made until this many in a row came from never-used entries, or the table is full.
constexpr std::size_t kFreshRun = 32;
constexpr std::size_t kMostProbes = 15000;

WORD indexOf(HGDIOBJ object) {
  return static_cast<WORD>(reinterpret_cast<ULONG_PTR>(object) & 0xFFFF);
}

// Wine counts an entry's uses in the top byte of its handles: a never-used entry gives use 1.
bool firstUseOf(HGDIOBJ object) { return (reinterpret_cast<ULONG_PTR>(object) >> 24 & 0xFF) == 1; }

// Wine hands out GDI handles from a list of freed entries first, then from never-used entries
// in increasing order. Brushes are made as probes until the last kFreshRun of them, each an
// entry's first use, run on one by one above every earlier probe: those came from never-used
// entries. (Objects freed in the reverse of their making also come back off the free list one
// by one upwards; only their use count tells them apart.) Below the first of them, every entry
// that was not free is a live object. (Each count leaves its probes on the free list, so the
// next count needs that many more.)
DWORD countFromHandleTable() {
  std::vector<HGDIOBJ> probes;
  WORD highest = 0;
  std::size_t run = 0;
  while (probes.size() < kMostProbes && run < kFreshRun) {
    HGDIOBJ probe = CreateSolidBrush(RGB(1, 2, 3));
    if (probe == nullptr) break;
    const WORD index = indexOf(probe);
    const bool fresh = firstUseOf(probe);
    const bool runsOn = fresh && run > 0 && index == indexOf(probes.back()) + 1;
    run = runsOn ? run + 1 : (fresh && index > highest ? 1 : 0);
    highest = std::max(highest, index);
    probes.push_back(probe);
  }
  DWORD live = 0;
  if (run >= kFreshRun) {
    const std::size_t first = probes.size() - run;
    live = indexOf(probes[first]) - static_cast<DWORD>(first);
  }
  for (HGDIOBJ probe : probes) DeleteObject(probe);
  return live;
}

BOOL CALLBACK countChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<DWORD*>(counter);
  return TRUE;
}

BOOL CALLBACK countOwnWindow(HWND window, LPARAM counter) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<DWORD*>(counter);
  EnumChildWindows(window, &countChild, counter);
  return TRUE;
}

}  // namespace

DWORD gdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return counted != 0 ? counted : countFromHandleTable();
}

DWORD settledGdiObjectCount() {
  DWORD last = gdiObjectCount();
  for (int i = 0; i < 60; ++i) {
    Sleep(50);
    const DWORD now = gdiObjectCount();
    if (now == last) return now;
    last = now;
  }
  return last;
}

DWORD userObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (counted != 0) return counted;
  DWORD windows = 0;
  EnumWindows(&countOwnWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace support
