#include "s/xml/Entities.h"

namespace s::xml {

using s::str::strbuffer::StrBuffer;

namespace {

struct Entity {
  const char16_t* form;
  std::uint32_t length;
  char16_t unit;
};

constexpr Entity kAttributeEntities[] = {
    {u"&amp;", 5, u'&'},  {u"&lt;", 4, u'<'},   {u"&quot;", 6, u'"'},
    {u"&#13;", 5, u'\r'}, {u"&#10;", 5, u'\n'},
};

constexpr Entity kTextEntities[] = {
    {u"&amp;", 5, u'&'},  {u"&lt;", 4, u'<'},   {u"&gt;", 4, u'>'},
    {u"&#160;", 6, u' '}, {u"&#13;", 5, u'\r'}, {u"&#10;", 5, u'\n'},
};

template <std::size_t kCount>
const Entity* entityAt(const char16_t* at, std::uint32_t left, const Entity (&table)[kCount]) {
  for (const Entity& entity : table) {
    if (entity.length > left) continue;
    std::uint32_t k = 1;
    while (k < entity.length && at[k] == entity.form[k]) ++k;
    if (k == entity.length) return &entity;
  }
  return nullptr;
}

// Appends the runs between special units in one piece: most values have none.
template <class FormOf>
void appendEscaped(StrBuffer& out, const char16_t* text, std::uint32_t count, FormOf formOf) {
  out.reserve(out.length() + count);
  std::uint32_t runStart = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const char16_t* form = formOf(text[i]);
    if (form == nullptr) continue;
    out.appendUnits(text + runStart, i - runStart);
    out.appendText(form);
    runStart = i + 1;
  }
  out.appendUnits(text + runStart, count - runStart);
}

}  // namespace

void appendEscapedAttribute(StrBuffer& out, const char16_t* text, std::uint32_t count) {
  appendEscaped(out, text, count, [](char16_t unit) -> const char16_t* {
    switch (unit) {
      case u'\n':
        return u"&#10;";
      case u'\r':
        return u"&#13;";
      case u'"':
        return u"&quot;";
      case u'&':
        return u"&amp;";
      case u'<':
        return u"&lt;";
      default:
        return nullptr;
    }
  });
}

void appendEscapedText(StrBuffer& out, const char16_t* text, std::uint32_t count) {
  appendEscaped(out, text, count, [](char16_t unit) -> const char16_t* {
    switch (unit) {
      case u'\n':
        return u"&#10;";
      case u'\r':
        return u"&#13;";
      case u'&':
        return u"&amp;";
      case u'<':
        return u"&lt;";
      case u'>':
        return u"&gt;";
      case u' ':
        return u"&#160;";
      default:
        return nullptr;
    }
  });
}

void appendDecodedAttribute(StrBuffer& out, const char16_t* value, std::uint32_t count) {
  out.reserve(out.length() + count);
  std::uint32_t runStart = 0;
  std::uint32_t i = 0;
  while (i < count) {
    const Entity* entity =
        value[i] == u'&' ? entityAt(value + i, count - i, kAttributeEntities) : nullptr;
    if (entity == nullptr) {
      ++i;
      continue;
    }
    out.appendUnits(value + runStart, i - runStart);
    out.appendChar(entity->unit);
    i += entity->length;
    runStart = i;
  }
  out.appendUnits(value + runStart, count - runStart);
}

void appendDecodedText(StrBuffer& out, const char16_t* value, std::uint32_t count) {
  std::uint32_t i = 0;
  while (i < count && isXmlBlank(value[i])) ++i;
  out.reserve(out.length() + count - i);
  // Trimming never eats into what was there before, nor into a unit an entity produced.
  std::uint32_t keep = out.length();
  std::uint32_t runStart = i;
  while (i < count) {
    const Entity* entity =
        value[i] == u'&' ? entityAt(value + i, count - i, kTextEntities) : nullptr;
    if (entity == nullptr) {
      ++i;
      continue;
    }
    out.appendUnits(value + runStart, i - runStart);
    out.appendChar(entity->unit);
    keep = out.length();
    i += entity->length;
    runStart = i;
  }
  out.appendUnits(value + runStart, count - runStart);
  out.trimRightKeep(keep);
}

}  // namespace s::xml
