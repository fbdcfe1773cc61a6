#pragma once

#include <cstdint>

#include "s/str/strbuffer/StrBuffer.h"

namespace s::xml {

// The entity forms of stored values. Escaping appends the stored form of a plain text;
// decoding appends the plain text of a stored value. Attribute and element text differ.
void appendEscapedAttribute(s::str::strbuffer::StrBuffer& out, const char16_t* text,
                            std::uint32_t count);
void appendEscapedText(s::str::strbuffer::StrBuffer& out, const char16_t* text,
                       std::uint32_t count);
void appendDecodedAttribute(s::str::strbuffer::StrBuffer& out, const char16_t* value,
                            std::uint32_t count);
// Drops the layout blanks at both ends of the value, but keeps blanks written as entities.
void appendDecodedText(s::str::strbuffer::StrBuffer& out, const char16_t* value,
                       std::uint32_t count);

// Tab, line feed, carriage return or space.
inline bool isXmlBlank(char16_t unit) {
  return unit == u' ' || unit == u'\n' || unit == u'\r' || unit == u'\t';
}

}  // namespace s::xml
