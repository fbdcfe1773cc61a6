#pragma once

// What the menu probe, a hook library loaded into the program that shows a pop-up menu,
// hands back to the driver: another process cannot read a menu's items through its handle
// under Wine, so the probe reads them on the menu's own thread.

#include <windows.h>

namespace e2e {
namespace probe {

constexpr const wchar_t* kMessageName = L"VexoE2eMenuProbe";
constexpr const char* kHookName = "ProbeCallWndProc";
constexpr UINT kMagic = 0x4D505256;  // set last, so a half-written reply is never read
constexpr int kMaxItems = 128;
constexpr int kMaxText = 128;

struct Item {
  UINT id;
  UINT type;                      // MFT_ flags
  UINT state;                     // MFS_ flags
  LONG left, top, right, bottom;  // on the screen
  UINT submenu;
  WCHAR text[kMaxText];
};

struct Reply {
  UINT magic;
  UINT count;
  UINT truncated;
  Item items[kMaxItems];
};

// The shared block the driver makes and the probe fills, one per driver process.
inline void mappingName(DWORD driverPid, wchar_t out[64]) {
  wsprintfW(out, L"VexoE2eMenuProbe.%lu", static_cast<unsigned long>(driverPid));
}

}  // namespace probe
}  // namespace e2e
