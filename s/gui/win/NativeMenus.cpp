#include <windows.h>

#include "s/gui/INativeMenus.h"

namespace s::gui {

namespace {

HMENU menuOf(NativeMenu menu) { return static_cast<HMENU>(menu); }
HWND windowOf(NativeWindow window) { return static_cast<HWND>(window); }
const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

class PlatformMenus final : public INativeMenus {
 public:
  NativeMenu createPopupMenu() override { return CreatePopupMenu(); }
  void destroyMenu(NativeMenu menu) override {
    if (menu != nullptr) DestroyMenu(menuOf(menu));
  }
  bool append(NativeMenu menu, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override {
    return AppendMenuW(menuOf(menu), flags, item,
                       (flags & kSeparator) != 0 ? nullptr : wide(text)) != 0;
  }
  bool removeAt(NativeMenu menu, std::uint32_t position) override {
    return RemoveMenu(menuOf(menu), position, MF_BYPOSITION) != 0;
  }
  bool modify(NativeMenu menu, std::uint32_t at, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override {
    return ModifyMenuW(menuOf(menu), at, flags, item, wide(text)) != 0;
  }
  void check(NativeMenu menu, std::uint32_t at, std::uint32_t flags) override {
    CheckMenuItem(menuOf(menu), at, flags);
  }
  void enable(NativeMenu menu, std::uint32_t at, std::uint32_t flags) override {
    EnableMenuItem(menuOf(menu), at, flags);
  }
  bool checkRadio(NativeMenu menu, std::uint32_t first, std::uint32_t last,
                  std::uint32_t checked) override {
    return CheckMenuRadioItem(menuOf(menu), first, last, checked, MF_BYPOSITION) != 0;
  }
  void setMenuData(NativeMenu menu, NativeWindow window) override {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(window);
    SetMenuInfo(menuOf(menu), &info);
  }
  bool track(NativeMenu menu, std::uint32_t flags, std::int32_t x, std::int32_t y,
             NativeWindow owner) override {
    return TrackPopupMenu(menuOf(menu), flags, x, y, 0, windowOf(owner), nullptr) != 0;
  }

  NativeWindow findMenuWindow() override {
    // A hidden menu window may linger, and other threads have menus of their own: only a
    // visible one of this thread is the open menu.
    const DWORD thread = GetCurrentThreadId();
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"#32768", nullptr)) != nullptr) {
      if (IsWindowVisible(window) != 0 && GetWindowThreadProcessId(window, nullptr) == thread) {
        return window;
      }
    }
    return nullptr;
  }
  bool isWindow(NativeWindow window) override {
    return window != nullptr && IsWindow(windowOf(window)) != 0;
  }
  void closeWindow(NativeWindow window) override { SendMessageW(windowOf(window), WM_CLOSE, 0, 0); }
  void startTimer(NativeWindow window, std::uint32_t id, std::uint32_t milliseconds) override {
    SetTimer(windowOf(window), id, milliseconds, nullptr);
  }
  void stopTimer(NativeWindow window, std::uint32_t id) override {
    KillTimer(windowOf(window), id);
  }
  void capture(NativeWindow window) override { SetCapture(windowOf(window)); }
  void releaseCapture() override { ReleaseCapture(); }
  bool hasCapture(NativeWindow window) override {
    return window != nullptr && GetCapture() == windowOf(window);
  }
  void cursorPosition(std::int32_t* x, std::int32_t* y) override {
    POINT at{};
    GetCursorPos(&at);
    *x = at.x;
    *y = at.y;
  }
  std::uint64_t milliseconds() override {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return ticks / 10000;
  }
};

}  // namespace

INativeMenus& platformNativeMenus() {
  static PlatformMenus* const menus = new PlatformMenus();
  return *menus;
}

}  // namespace s::gui
