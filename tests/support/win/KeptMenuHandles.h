#pragma once

#include <windows.h>

#include <vector>

#include "s/gui/INativeMenus.h"

namespace support {

// The platform's menus, with every handle made kept, to ask the platform afterwards whether
// any is still alive: Wine answers 0 to GetGuiResources.
class KeptMenuHandles final : public s::gui::INativeMenus {
 public:
  KeptMenuHandles()
      : platform_(s::gui::platformNativeMenus()), before_(s::gui::setNativeMenus(this)) {}
  ~KeptMenuHandles() override { s::gui::setNativeMenus(before_); }

  int liveMenus() const {
    int live = 0;
    for (HMENU menu : made_) live += IsMenu(menu) != 0 ? 1 : 0;
    return live;
  }
  std::size_t made() const { return made_.size(); }

  s::gui::NativeMenu createPopupMenu() override {
    s::gui::NativeMenu menu = platform_.createPopupMenu();
    made_.push_back(static_cast<HMENU>(menu));
    return menu;
  }
  void destroyMenu(s::gui::NativeMenu menu) override { platform_.destroyMenu(menu); }
  bool append(s::gui::NativeMenu menu, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override {
    return platform_.append(menu, flags, item, text);
  }
  bool removeAt(s::gui::NativeMenu menu, std::uint32_t position) override {
    return platform_.removeAt(menu, position);
  }
  bool modify(s::gui::NativeMenu menu, std::uint32_t at, std::uint32_t flags, std::uintptr_t item,
              const char16_t* text) override {
    return platform_.modify(menu, at, flags, item, text);
  }
  void check(s::gui::NativeMenu menu, std::uint32_t at, std::uint32_t flags) override {
    platform_.check(menu, at, flags);
  }
  void enable(s::gui::NativeMenu menu, std::uint32_t at, std::uint32_t flags) override {
    platform_.enable(menu, at, flags);
  }
  bool checkRadio(s::gui::NativeMenu menu, std::uint32_t first, std::uint32_t last,
                  std::uint32_t checked) override {
    return platform_.checkRadio(menu, first, last, checked);
  }
  void setMenuData(s::gui::NativeMenu menu, s::gui::NativeWindow window) override {
    platform_.setMenuData(menu, window);
  }
  bool track(s::gui::NativeMenu menu, std::uint32_t flags, std::int32_t x, std::int32_t y,
             s::gui::NativeWindow owner) override {
    return platform_.track(menu, flags, x, y, owner);
  }
  s::gui::NativeWindow findMenuWindow() override { return platform_.findMenuWindow(); }
  bool isWindow(s::gui::NativeWindow window) override { return platform_.isWindow(window); }
  void closeWindow(s::gui::NativeWindow window) override { platform_.closeWindow(window); }
  void startTimer(s::gui::NativeWindow window, std::uint32_t id, std::uint32_t ms) override {
    platform_.startTimer(window, id, ms);
  }
  void stopTimer(s::gui::NativeWindow window, std::uint32_t id) override {
    platform_.stopTimer(window, id);
  }
  void capture(s::gui::NativeWindow window) override { platform_.capture(window); }
  void releaseCapture() override { platform_.releaseCapture(); }
  bool hasCapture(s::gui::NativeWindow window) override { return platform_.hasCapture(window); }
  void cursorPosition(std::int32_t* x, std::int32_t* y) override { platform_.cursorPosition(x, y); }
  std::uint64_t milliseconds() override { return platform_.milliseconds(); }

 private:
  s::gui::INativeMenus& platform_;
  s::gui::INativeMenus* before_;
  std::vector<HMENU> made_;
};

}  // namespace support
