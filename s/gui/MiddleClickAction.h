#pragma once

namespace s::gui {

// What a middle-button click on a window does: the words kept in the settings store.
inline constexpr char16_t kActionDoNothing[] = u"DoNothing";
inline constexpr char16_t kActionIconize[] = u"Iconize";
inline constexpr char16_t kActionClose[] = u"Close";

// The action word for a stored text: one of the three words in any letter case gives that word,
// anything else (null included) gives "DoNothing". The result is one of the constants above.
const char16_t* normalizeMiddleClickAction(const char16_t* stored);

}  // namespace s::gui
