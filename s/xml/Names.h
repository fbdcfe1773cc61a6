#pragma once

#include <cstdint>

namespace s::xml {

// Whether a name, written into a document, reads back as this same name. Names carry no
// entities, so a name with a blank, a quote, "=", "<", ">", "/", "&", a zero unit or half a
// surrogate pair would read back as something else (other attributes, an early end, a
// replacement character). The empty attribute name is the element's text and always fits.
bool isWritableAttributeName(const char16_t* name, std::uint32_t length);
// The same for an element, which besides may not begin with "!" (a comment) or "?" (a
// declaration). The empty name leaves the element unnamed, which reads back as such.
bool isWritableElementName(const char16_t* name, std::uint32_t length);

}  // namespace s::xml
