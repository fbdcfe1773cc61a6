#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui {

// The modifier keys of a global hot key.
struct HotKeyModifiers {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
  bool win = false;
};

constexpr std::uint32_t kModAlt = 0x0001;
constexpr std::uint32_t kModControl = 0x0002;
constexpr std::uint32_t kModShift = 0x0004;
constexpr std::uint32_t kModWin = 0x0008;
// Windows 7 (6.1) and later only; earlier systems refuse the registration with it.
constexpr std::uint32_t kModNoRepeat = 0x4000;

// The RegisterHotKey modifier flags on an operating system of version major.minor.
std::uint32_t hotKeyModifierFlags(const HotKeyModifiers& modifiers, std::int32_t major,
                                  std::int32_t minor);

// "HotKey Alt+Ctrl+Shift+WinKey+<key> has been occupied by another application.", with only the
// modifiers that are set and the virtual-key code in decimal.
s::base::Owned<s::str::strbuffer::StrBuffer> hotKeyOccupiedText(const HotKeyModifiers& modifiers,
                                                                std::uint32_t virtualKey);

}  // namespace s::gui
