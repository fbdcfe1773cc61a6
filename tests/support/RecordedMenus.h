#pragma once

#include "s/gui/INativeMenus.h"
#include "s/gui/RecordingMenus.h"

namespace support {

// Puts a recording menu seam in place for one test and the previous one back afterwards.
// Declare it before any menu of the test, so that the menus go first.
struct RecordedMenus {
  RecordedMenus() : before(s::gui::setNativeMenus(&menus)) {}
  ~RecordedMenus() { s::gui::setNativeMenus(before); }
  RecordedMenus(const RecordedMenus&) = delete;
  RecordedMenus& operator=(const RecordedMenus&) = delete;

  s::gui::RecordingMenus menus;
  s::gui::INativeMenus* before;
};

}  // namespace support
