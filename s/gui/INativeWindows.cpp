#include "s/gui/INativeWindows.h"

#include <atomic>

namespace s::gui {

namespace {
std::atomic<INativeWindows*> installed{nullptr};
}

INativeWindows& nativeWindows() {
  INativeWindows* windows = installed.load(std::memory_order_acquire);
  return windows != nullptr ? *windows : platformNativeWindows();
}

INativeWindows* setNativeWindows(INativeWindows* windows) {
  INativeWindows* before = installed.exchange(windows, std::memory_order_acq_rel);
  return before;
}

}  // namespace s::gui
