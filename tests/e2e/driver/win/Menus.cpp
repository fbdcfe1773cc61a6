#include "Menus.h"

#include "../Text.h"
#include "../probe/MenuProbe.h"
#include "Windows.h"

namespace e2e {

namespace {

constexpr DWORD kProbeTimeoutMs = 3000;

struct PopupSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK firstPopup(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<PopupSearch*>(param);
  if (!IsWindowVisible(hwnd) || classOf(hwnd) != u"#32768") return TRUE;
  if (search->pid != 0 && processOf(hwnd) != search->pid) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HMODULE probeLibrary(std::string* error) {
  static HMODULE library = [] {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path, length);
    file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"e2e_menu_probe.dll";
    return LoadLibraryW(file.c_str());
  }();
  if (library == nullptr) *error = "e2e_menu_probe.dll is missing beside the driver";
  return library;
}

// The shared block the probe writes into; lives as long as the driver.
probe::Reply* replyBlock(std::string* error) {
  static probe::Reply* block = [] {
    wchar_t name[64];
    probe::mappingName(GetCurrentProcessId(), name);
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(probe::Reply), name);
    if (mapping == nullptr) return static_cast<probe::Reply*>(nullptr);
    return static_cast<probe::Reply*>(
        MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(probe::Reply)));
  }();
  if (block == nullptr) *error = "no shared block for the menu probe";
  return block;
}

LPARAM screenParam(POINT point) {
  return static_cast<LPARAM>(static_cast<DWORD>((point.x & 0xFFFF) | ((point.y & 0xFFFF) << 16)));
}

bool waitClosed(HWND popup, DWORD timeoutMs) {
  return waitUntil(timeoutMs, [&] { return menuGone(popup); });
}

bool clickEntry(HWND popup, const MenuEntry& entry, InputMode mode, std::string* error) {
  POINT centre{(entry.rect.left + entry.rect.right) / 2, (entry.rect.top + entry.rect.bottom) / 2};
  if (mode == InputMode::kSend) {
    std::string report;
    return clickAt(popup, centre, mode, &report, error);
  }
  std::string ignored;
  moveCursor(centre, &ignored);
  // The system's menu loop reads the point of a mouse message as screen coordinates.
  LPARAM where = screenParam(centre);
  if (!PostMessageW(popup, WM_MOUSEMOVE, 0, where) ||
      !PostMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, where) ||
      !PostMessageW(popup, WM_LBUTTONUP, 0, where)) {
    *error = "the click could not be posted to the menu";
    return false;
  }
  return true;
}

}  // namespace

int MenuView::hilited() const {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].hilited()) return static_cast<int>(i);
  }
  return -1;
}

int MenuView::find(const std::u16string& label) const {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].separator() && menuLabel(entries[i].text) == label) return static_cast<int>(i);
  }
  return -1;
}

HWND openPopupNow(DWORD pid) {
  PopupSearch search{pid, nullptr};
  EnumWindows(firstPopup, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool readMenu(HWND popup, MenuView* view, std::string* error) {
  HMODULE library = probeLibrary(error);
  probe::Reply* reply = library == nullptr ? nullptr : replyBlock(error);
  if (reply == nullptr) return false;
  auto hook = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, probe::kHookName)));
  if (hook == nullptr) {
    *error = "e2e_menu_probe.dll has no " + std::string(probe::kHookName);
    return false;
  }
  DWORD thread = GetWindowThreadProcessId(popup, nullptr);
  if (thread == 0) {
    *error = "the menu closed before it could be read";
    return false;
  }
  ZeroMemory(reply, sizeof(probe::Reply));
  HHOOK installed = SetWindowsHookExW(WH_CALLWNDPROC, hook, library, thread);
  if (installed == nullptr) {
    *error = "SetWindowsHookEx failed (" + std::to_string(GetLastError()) + ")";
    return false;
  }
  DWORD_PTR ignored = 0;
  LRESULT sent =
      SendMessageTimeoutW(popup, RegisterWindowMessageW(probe::kMessageName), GetCurrentProcessId(),
                          0, SMTO_ABORTIFHUNG, kProbeTimeoutMs, &ignored);
  UnhookWindowsHookEx(installed);
  MemoryBarrier();
  if (sent == 0 || reply->magic != probe::kMagic) {
    *error = sent == 0 ? "the menu does not answer" : "the menu probe did not answer";
    return false;
  }
  view->popup = popup;
  view->entries.clear();
  for (UINT i = 0; i < reply->count; ++i) {
    const probe::Item& item = reply->items[i];
    MenuEntry entry;
    entry.text = narrow(std::wstring(item.text));
    entry.id = item.id;
    entry.type = item.type;
    entry.state = item.state;
    entry.rect = RECT{item.left, item.top, item.right, item.bottom};
    entry.submenu = item.submenu != 0;
    view->entries.push_back(entry);
  }
  return true;
}

std::string describeEntry(int index, const MenuEntry& entry) {
  if (entry.separator()) return "item " + std::to_string(index) + " separator";
  return "item " + std::to_string(index) + " text=" + escapeText(entry.text) +
         " id=" + std::to_string(entry.id) + " checked=" + (entry.checked() ? "1" : "0") +
         " grayed=" + (entry.grayed() ? "1" : "0") + " submenu=" + (entry.submenu ? "1" : "0");
}

bool menuGone(HWND popup) { return !IsWindow(popup) || !IsWindowVisible(popup); }

Choice chooseEntry(const MenuView& view, int index, bool byMouse, InputMode mode, DWORD timeoutMs,
                   std::string* error) {
  const MenuEntry& entry = view.entries[static_cast<std::size_t>(index)];
  if (entry.separator() || entry.grayed()) {
    *error = "item " + std::to_string(index) + " cannot be chosen: it is " +
             (entry.separator() ? "a separator" : "grayed");
    return Choice::kFailed;
  }
  HWND popup = view.popup;
  auto failed = [&] { return menuGone(popup) ? Choice::kMenuGone : Choice::kFailed; };
  if (byMouse) {
    if (menuGone(popup)) return Choice::kMenuGone;
    if (!clickEntry(popup, entry, mode, error)) return failed();
  } else {
    // The arrow moves the highlight one entry at a time and wraps; the probe says where it is.
    MenuView now = view;
    std::size_t bound = 2 * now.entries.size() + 2;
    for (std::size_t moves = 0; now.hilited() != index; ++moves) {
      if (moves == bound) {
        *error = "the highlight never reached item " + std::to_string(index);
        return Choice::kFailed;
      }
      int before = now.hilited();
      if (!pressKey(popup, popup, VK_DOWN, mode, error)) return failed();
      if (!waitUntil(timeoutMs, [&] {
            return menuGone(popup) || (readMenu(popup, &now, error) && now.hilited() != before);
          })) {
        *error = "the menu did not move its highlight" + (error->empty() ? "" : ": " + *error);
        return Choice::kFailed;
      }
      if (menuGone(popup)) return Choice::kMenuGone;
    }
    if (!pressKey(popup, popup, VK_RETURN, mode, error)) return failed();
  }
  if (!waitClosed(popup, timeoutMs)) {
    *error = "the menu stayed open after the choice";
    return Choice::kFailed;
  }
  return Choice::kChosen;
}

bool closeMenus(DWORD pid, InputMode mode, DWORD timeoutMs, std::string* error) {
  unsigned long long end = nowMs() + timeoutMs;
  for (HWND popup = openPopupNow(pid); popup != nullptr; popup = openPopupNow(pid)) {
    if (nowMs() >= end) {
      *error = "a menu stays open";
      return false;
    }
    // One that closed by itself meanwhile is what this wants anyway.
    if (!pressKey(popup, popup, VK_ESCAPE, mode, error) && !menuGone(popup)) return false;
    waitClosed(popup, 1000);
  }
  return true;
}

}  // namespace e2e
