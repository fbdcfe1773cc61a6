#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "s/gui/INativeMenus.h"

namespace s::gui {

// The menu seam without a platform: menus are records with the platform's rules for checks,
// radio marks and replaced entries, the menu loop is a callback of the test, the clock and the
// cursor are set by the test, and every call is logged. One thread at a time. The host's
// default seam, and a stand-in that tests put in place on Windows too.
class RecordingMenus final : public INativeMenus {
 public:
  enum class Call {
    kCreate,
    kDestroy,
    kAppend,
    kRemove,
    kModify,
    kCheck,
    kEnable,
    kCheckRadio,
    kSetMenuData,
    kTrack,
    kCloseWindow,
    kStartTimer,
    kStopTimer,
    kCapture,
    kReleaseCapture,
  };

  struct Entry {
    Call call;
    NativeMenu menu = nullptr;
    // The position or command id, the timer id, or the first radio position.
    std::uint32_t at = 0;
    std::uint32_t flags = 0;
    // Command id or sub-menu, the window, or the last radio position.
    std::uintptr_t item = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
  };

  // One entry of a menu as the platform keeps it.
  struct Item {
    std::uintptr_t item = 0;
    std::u16string text;
    bool separator = false;
    bool popup = false;
    bool checked = false;
    bool radio = false;
    bool grayed = false;
    bool disabled = false;
  };

  // While track() runs: the open menu, where it was asked to show, and its owner.
  using MenuLoop = std::function<void(NativeMenu menu, std::int32_t x, std::int32_t y,
                                      NativeWindow owner, std::uint32_t flags)>;

  RecordingMenus();
  ~RecordingMenus() override;
  RecordingMenus(const RecordingMenus&) = delete;
  RecordingMenus& operator=(const RecordingMenus&) = delete;

  NativeMenu createPopupMenu() override;
  void destroyMenu(NativeMenu menu) override;
  bool append(NativeMenu menu, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override;
  bool removeAt(NativeMenu menu, std::uint32_t position) override;
  bool modify(NativeMenu menu, std::uint32_t at, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override;
  void check(NativeMenu menu, std::uint32_t at, std::uint32_t flags) override;
  void enable(NativeMenu menu, std::uint32_t at, std::uint32_t flags) override;
  bool checkRadio(NativeMenu menu, std::uint32_t first, std::uint32_t last,
                  std::uint32_t checked) override;
  void setMenuData(NativeMenu menu, NativeWindow window) override;
  bool track(NativeMenu menu, std::uint32_t flags, std::int32_t x, std::int32_t y,
             NativeWindow owner) override;

  NativeWindow findMenuWindow() override;
  bool isWindow(NativeWindow window) override;
  void closeWindow(NativeWindow window) override;
  void startTimer(NativeWindow window, std::uint32_t id, std::uint32_t milliseconds) override;
  void stopTimer(NativeWindow window, std::uint32_t id) override;
  void capture(NativeWindow window) override;
  void releaseCapture() override;
  bool hasCapture(NativeWindow window) override { return window != nullptr && window == captured_; }
  void cursorPosition(std::int32_t* x, std::int32_t* y) override;
  std::uint64_t milliseconds() override { return now_; }

  // What a test's menu loop does while a menu is open.
  void setMenuLoop(MenuLoop loop) { loop_ = std::move(loop); }
  // The open menu's window has been sent WM_CLOSE: the loop should end.
  bool menuWindowClosed() const { return menuWindowClosed_; }
  // Ends the open menu from outside (as a click elsewhere or Escape does).
  void dismissMenu() { menuWindowClosed_ = true; }
  void setMilliseconds(std::uint64_t now) { now_ = now; }
  void advance(std::uint64_t milliseconds) { now_ += milliseconds; }
  void setCursor(std::int32_t x, std::int32_t y) {
    cursorX_ = x;
    cursorY_ = y;
  }

  // Reading back, as GetMenuItemCount, GetMenuStringW and GetMenuState by position do.
  std::int32_t itemCount(NativeMenu menu) const;
  const Item* itemAt(NativeMenu menu, std::uint32_t position) const;
  std::u16string textAt(NativeMenu menu, std::uint32_t position) const;
  // MF_ flags: checked, grayed, disabled, popup, separator.
  std::uint32_t stateAt(NativeMenu menu, std::uint32_t position) const;
  NativeWindow menuDataOf(NativeMenu menu) const;
  std::size_t liveMenus() const;
  bool isTimerRunning(NativeWindow window, std::uint32_t id) const;
  NativeWindow capturedWindow() const { return captured_; }

  const std::vector<Entry>& log() const { return log_; }
  void clearLog() { log_.clear(); }
  std::size_t countOf(Call call) const;

 private:
  struct Menu {
    std::vector<Item> items;
    NativeWindow data = nullptr;
    bool alive = true;
  };
  struct Timer {
    NativeWindow window;
    std::uint32_t id;
  };

  Menu* find(NativeMenu menu);
  const Menu* find(NativeMenu menu) const;
  // The entry at (by position or by command, sub-menus searched for a command), or null.
  Item* locate(NativeMenu menu, std::uint32_t at, std::uint32_t flags);
  void record(Call call, NativeMenu menu, std::uint32_t at, std::uint32_t flags,
              std::uintptr_t item, std::int32_t x = 0, std::int32_t y = 0);

  std::vector<Menu> menus_;
  std::vector<Entry> log_;
  std::vector<Timer> timers_;
  MenuLoop loop_;
  NativeWindow captured_ = nullptr;
  // The "#32768" window while a menu is tracked: a token of its own.
  char menuWindowToken_ = 0;
  bool menuOpen_ = false;
  bool menuWindowClosed_ = false;
  std::uint64_t now_ = 1000000;
  std::int32_t cursorX_ = 0;
  std::int32_t cursorY_ = 0;
};

}  // namespace s::gui
