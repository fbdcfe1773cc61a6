#include "s/gui/Box.h"

namespace s::gui::win {

// Without native windows no platform message reaches a box; the portable handler (32770 and
// 1039) still does.
bool Box::handleMessage(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) {
  return false;
}

void Box::afterDefault(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) {}

}  // namespace s::gui::win
