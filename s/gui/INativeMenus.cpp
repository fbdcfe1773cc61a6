#include "s/gui/INativeMenus.h"

#include <atomic>

namespace s::gui {

namespace {
std::atomic<INativeMenus*> installed{nullptr};
}

INativeMenus& nativeMenus() {
  INativeMenus* menus = installed.load(std::memory_order_acquire);
  return menus != nullptr ? *menus : platformNativeMenus();
}

INativeMenus* setNativeMenus(INativeMenus* menus) {
  return installed.exchange(menus, std::memory_order_acq_rel);
}

}  // namespace s::gui
