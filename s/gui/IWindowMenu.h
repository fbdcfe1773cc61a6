#pragma once

#include <cstdint>

#include "s/gui/NativeWindow.h"

namespace s::gui {

// What a window asks of a menu attached to it (its menu bar, its context menu, its
// notification-area menu): whether a command belongs to the menu, selecting it, and showing
// the menu at a screen point.
class IWindowMenu {
 public:
  virtual ~IWindowMenu() = default;
  virtual bool hasCommandId(std::int32_t commandId) const = 0;
  // Stores the command as selected and tells the menu's listeners.
  virtual void select(std::int32_t commandId) = 0;
  // Opens the menu at (x, y) for owner and returns when it has closed.
  virtual void showAt(std::int32_t x, std::int32_t y, NativeWindow owner) = 0;
  // A native menu bar's HMENU, for SetMenu; null for a menu drawn by the toolkit.
  virtual void* nativeMenuBar() const = 0;
};

}  // namespace s::gui
