#include "s/gui/INativeMenus.h"
#include "s/gui/RecordingMenus.h"

namespace s::gui {

// Without a platform, menus are records.
INativeMenus& platformNativeMenus() {
  static RecordingMenus* const menus = new RecordingMenus();
  return *menus;
}

}  // namespace s::gui
