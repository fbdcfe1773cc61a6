// The menu probe: a hook on the thread that runs a pop-up menu. When the driver sends the
// probe's message to the menu window, the hook reads the menu's items on that thread, where
// the menu handle is valid, into the driver's shared block.

#include "MenuProbe.h"

namespace {

using e2e::probe::Reply;

UINT probeMessage() {
  static UINT message = RegisterWindowMessageW(e2e::probe::kMessageName);
  return message;
}

void answer(HWND popup, DWORD driverPid) {
  wchar_t name[64];
  e2e::probe::mappingName(driverPid, name);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
  if (mapping == nullptr) return;
  auto* reply = static_cast<Reply*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Reply)));
  if (reply != nullptr) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    int count = menu == nullptr ? 0 : GetMenuItemCount(menu);
    if (count < 0) count = 0;
    reply->truncated = count > e2e::probe::kMaxItems ? 1 : 0;
    if (count > e2e::probe::kMaxItems) count = e2e::probe::kMaxItems;
    for (int i = 0; i < count; ++i) {
      e2e::probe::Item& item = reply->items[i];
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
      info.dwTypeData = item.text;
      info.cch = e2e::probe::kMaxText - 1;
      item.text[0] = L'\0';
      if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
        info.fType = MFT_SEPARATOR;
        info.fState = 0;
        info.wID = 0;
        info.hSubMenu = nullptr;
      }
      item.text[e2e::probe::kMaxText - 1] = L'\0';
      item.id = info.wID;
      item.type = info.fType;
      item.state = info.fState;
      item.submenu = info.hSubMenu != nullptr ? 1 : 0;
      RECT rect{};
      GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
      item.left = rect.left;
      item.top = rect.top;
      item.right = rect.right;
      item.bottom = rect.bottom;
    }
    reply->count = static_cast<UINT>(count);
    MemoryBarrier();
    reply->magic = e2e::probe::kMagic;
    UnmapViewOfFile(reply);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == probeMessage()) answer(call->hwnd, static_cast<DWORD>(call->wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
