#pragma once

// The native pop-up menus ("#32768") another process shows: reading their items through the
// menu probe, choosing one as a user would, closing them.

#include <windows.h>

#include <string>
#include <vector>

#include "Input.h"

namespace e2e {

struct MenuEntry {
  std::u16string text;
  UINT id = 0;
  UINT type = 0;
  UINT state = 0;
  RECT rect{};  // on the screen
  bool submenu = false;

  bool separator() const { return (type & MFT_SEPARATOR) != 0; }
  bool checked() const { return (state & MFS_CHECKED) != 0; }
  bool grayed() const { return (state & (MFS_GRAYED | MFS_DISABLED)) != 0; }
  bool hilited() const { return (state & MFS_HILITE) != 0; }
};

struct MenuView {
  HWND popup = nullptr;
  std::vector<MenuEntry> entries;

  int hilited() const;
  // The entry a user reads as label (mnemonic marks and the accelerator column ignored), or -1.
  int find(const std::u16string& label) const;
};

// The pop-up on top of the z-order among the visible ones of a process (any process for 0).
HWND openPopupNow(DWORD pid);
bool readMenu(HWND popup, MenuView* view, std::string* error);
std::string describeEntry(int index, const MenuEntry& entry);

// A menu can close by itself before the user acts (the window it belongs to lost the focus
// under it); a user then opens it again.
bool menuGone(HWND popup);

enum class Choice { kChosen, kMenuGone, kFailed };

// Highlights the entry with the arrow keys and presses Enter (byMouse false), or clicks it
// (byMouse true); then waits for the menu to close.
Choice chooseEntry(const MenuView& view, int index, bool byMouse, InputMode mode, DWORD timeoutMs,
                   std::string* error);
// Escape until no pop-up of the process is open.
bool closeMenus(DWORD pid, InputMode mode, DWORD timeoutMs, std::string* error);

}  // namespace e2e
