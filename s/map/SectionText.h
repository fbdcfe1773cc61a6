#pragma once

#include "s/str/strbuffer/StrBuffer.h"

// Text helpers both settings stores use for section and value names.
namespace s::map {

// Null names read as the empty text, i.e. the base section or the default value.
inline const char16_t* textOrEmpty(const char16_t* text) { return text != nullptr ? text : u""; }

// Whether section names the same section as current, letter case aside.
inline bool isSameSection(const s::str::strbuffer::StrBuffer& current, const char16_t* section) {
  const char16_t* wanted = textOrEmpty(section);
  return current.length() == s::str::strbuffer::textLength(wanted) &&
         current.startsWithIgnoreCase(wanted);
}

}  // namespace s::map
