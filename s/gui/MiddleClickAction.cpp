#include "s/gui/MiddleClickAction.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui {

const char16_t* normalizeMiddleClickAction(const char16_t* stored) {
  using s::str::strbuffer::StrBuffer;
  if (stored == nullptr) return kActionDoNothing;
  auto text = s::str::strbuffer::newStr(stored);
  for (const char16_t* word : {+kActionDoNothing, +kActionIconize, +kActionClose}) {
    if (text->regionMatchesIgnoreCase(0, word, 0, StrBuffer::kAll)) return word;
  }
  return kActionDoNothing;
}

}  // namespace s::gui
