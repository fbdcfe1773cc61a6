#pragma once

#include <cstdint>

#include "s/gui/NativeMenu.h"
#include "s/gui/NativeWindow.h"

namespace s::gui {

// The platform operations the menus need: native pop-up menus, and what the menu bar follows
// while the system's menu loop runs (the loop's window, a timer, the capture, the cursor, the
// clock). The Windows side calls the platform (s/gui/win/NativeMenus.cpp); the recording side
// (s/gui/RecordingMenus.h) keeps menus as plain records and logs every call.
class INativeMenus {
 public:
  // Menu flags, the platform's MF_ values.
  static constexpr std::uint32_t kString = 0x0000;
  static constexpr std::uint32_t kEnabled = 0x0000;
  static constexpr std::uint32_t kUnchecked = 0x0000;
  static constexpr std::uint32_t kByCommand = 0x0000;
  static constexpr std::uint32_t kGrayed = 0x0001;
  static constexpr std::uint32_t kDisabled = 0x0002;
  static constexpr std::uint32_t kChecked = 0x0008;
  static constexpr std::uint32_t kPopup = 0x0010;
  static constexpr std::uint32_t kByPosition = 0x0400;
  static constexpr std::uint32_t kSeparator = 0x0800;
  // A sub-menu entry that cannot be opened (19).
  static constexpr std::uint32_t kDisabledPopup = kPopup | kGrayed | kDisabled;

  // TrackPopupMenu flags: no animation, bottom-aligned at the point, either button (0x4022);
  // no animation, either button, the menu's top-left at the point (0x4002).
  static constexpr std::uint32_t kShowAtFlags = 0x4022;
  static constexpr std::uint32_t kShowBelowFlags = 0x4002;

  virtual ~INativeMenus() = default;

  // CreatePopupMenu; null on failure.
  virtual NativeMenu createPopupMenu() = 0;
  virtual void destroyMenu(NativeMenu menu) = 0;
  // AppendMenuW: item is a command id, or with kPopup a sub-menu's handle.
  virtual bool append(NativeMenu menu, std::uint32_t flags, std::uintptr_t item,
                      const char16_t* text) = 0;
  // RemoveMenu by position: a sub-menu at that position keeps its own handle.
  virtual bool removeAt(NativeMenu menu, std::uint32_t position) = 0;
  // ModifyMenuW: the entry at (with kByPosition a position, else a command id) becomes item with
  // text; its check and enabled states are those the flags give.
  virtual bool modify(NativeMenu menu, std::uint32_t at, std::uint32_t flags, std::uintptr_t item,
                      const char16_t* text) = 0;
  // CheckMenuItem with kChecked or kUnchecked.
  virtual void check(NativeMenu menu, std::uint32_t at, std::uint32_t flags) = 0;
  // EnableMenuItem with kEnabled or kGrayed.
  virtual void enable(NativeMenu menu, std::uint32_t at, std::uint32_t flags) = 0;
  // CheckMenuRadioItem by position: checked gets the bullet, the others in [first, last] lose
  // their check.
  virtual bool checkRadio(NativeMenu menu, std::uint32_t first, std::uint32_t last,
                          std::uint32_t checked) = 0;
  // SetMenuInfo with MIM_MENUDATA: the window that the menu's WM_INITMENUPOPUP is sent on to.
  virtual void setMenuData(NativeMenu menu, NativeWindow window) = 0;
  // TrackPopupMenu: shows the menu and returns when it has closed; a chosen command reaches
  // owner as WM_COMMAND.
  virtual bool track(NativeMenu menu, std::uint32_t flags, std::int32_t x, std::int32_t y,
                     NativeWindow owner) = 0;

  // The window of the open pop-up menu (class "#32768"), null when none is open.
  virtual NativeWindow findMenuWindow() = 0;
  virtual bool isWindow(NativeWindow window) = 0;
  // Sends WM_CLOSE.
  virtual void closeWindow(NativeWindow window) = 0;
  virtual void startTimer(NativeWindow window, std::uint32_t id, std::uint32_t milliseconds) = 0;
  virtual void stopTimer(NativeWindow window, std::uint32_t id) = 0;
  virtual void capture(NativeWindow window) = 0;
  virtual void releaseCapture() = 0;
  virtual bool hasCapture(NativeWindow window) = 0;
  // The cursor's screen position.
  virtual void cursorPosition(std::int32_t* x, std::int32_t* y) = 0;
  // The system time in milliseconds.
  virtual std::uint64_t milliseconds() = 0;
};

// The seam in use: the platform's, unless a test has put another in place.
INativeMenus& nativeMenus();
// Puts menus in place (null: the platform's again) and returns the one before. Menus must be
// made and released under the same seam.
INativeMenus* setNativeMenus(INativeMenus* menus);
// The platform's own side (defined in win/ and host/).
INativeMenus& platformNativeMenus();

}  // namespace s::gui
