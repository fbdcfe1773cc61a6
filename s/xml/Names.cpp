#include "s/xml/Names.h"

#include "s/xml/Entities.h"

namespace s::xml {

namespace {

bool endsOrSplitsName(char16_t unit) {
  switch (unit) {
    case 0:
    case u'=':
    case u'"':
    case u'\'':
    case u'<':
    case u'>':
    case u'/':
    case u'&':
      return true;
    default:
      return isXmlBlank(unit);
  }
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool isWritableAttributeName(const char16_t* name, std::uint32_t length) {
  for (std::uint32_t i = 0; i < length; ++i) {
    char16_t unit = name[i];
    if (endsOrSplitsName(unit)) return false;
    if (isHighSurrogate(unit)) {
      // UTF-8 carries a pair, never half of one.
      if (i + 1 == length || !isLowSurrogate(name[i + 1])) return false;
      ++i;
    } else if (isLowSurrogate(unit)) {
      return false;
    }
  }
  return true;
}

bool isWritableElementName(const char16_t* name, std::uint32_t length) {
  if (length > 0 && (name[0] == u'!' || name[0] == u'?')) return false;
  return isWritableAttributeName(name, length);
}

}  // namespace s::xml
