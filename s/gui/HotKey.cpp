#include "s/gui/HotKey.h"

namespace s::gui {

std::uint32_t hotKeyModifierFlags(const HotKeyModifiers& modifiers, std::int32_t major,
                                  std::int32_t minor) {
  std::uint32_t flags = 0;
  if (modifiers.alt) flags |= kModAlt;
  if (modifiers.ctrl) flags |= kModControl;
  if (modifiers.shift) flags |= kModShift;
  if (modifiers.win) flags |= kModWin;
  if (major > 6 || (major == 6 && minor >= 1)) flags |= kModNoRepeat;
  return flags;
}

s::base::Owned<s::str::strbuffer::StrBuffer> hotKeyOccupiedText(const HotKeyModifiers& modifiers,
                                                                std::uint32_t virtualKey) {
  auto text = s::str::strbuffer::newStr(u"HotKey ");
  if (modifiers.alt) text->appendText(u"Alt+");
  if (modifiers.ctrl) text->appendText(u"Ctrl+");
  if (modifiers.shift) text->appendText(u"Shift+");
  if (modifiers.win) text->appendText(u"WinKey+");
  text->appendUInt32(virtualKey).appendText(u" has been occupied by another application.");
  return text;
}

}  // namespace s::gui
