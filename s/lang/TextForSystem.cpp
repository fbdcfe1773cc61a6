#include "s/lang/TextForSystem.h"

#include <cstdint>
#include <utility>

#include "s/lang/SystemLanguage.h"

namespace s::lang {

using s::base::Owned;
using s::str::strbuffer::StrBuffer;

namespace {

struct LettersForOldSystems {
  const char16_t* tag;
  const char16_t* letters;
  const char16_t* replacements;
};

// Fonts of unpatched systems before Vista have no glyph for these and draw a box.
constexpr LettersForOldSystems kLettersForOldSystems[] = {
    {u"vec", u"\u019A", u"\u0142"},
    {u"ron", u"\u0218\u0219\u021A\u021B", u"\u015E\u015F\u0162\u0163"},
};

constexpr const char16_t* kRightToLeftTags[] = {u"ara", u"per"};

constexpr char16_t kRightToLeftEmbedding = u'\u202B';
constexpr char16_t kPopDirectionalFormatting = u'\u202C';

// Every text of every pack passes here, so the tag is compared unit by unit.
bool isTag(const StrBuffer& tag, const char16_t* name) {
  return tag.length() == 3 && tag.charAt(0) == name[0] && tag.charAt(1) == name[1] &&
         tag.charAt(2) == name[2];
}

// A letter of the Hebrew or Arabic scripts (blocks, supplements, presentation forms), with the
// joiners that sit inside Persian words. Arabic-Indic digits and the Arabic comma are not
// letters: they take their direction from what surrounds them.
bool isRightToLeftLetter(char16_t unit) {
  if (unit < 0x0590) return false;
  if ((unit >= 0x0660 && unit <= 0x0669) || (unit >= 0x06F0 && unit <= 0x06F9) || unit == 0x060C) {
    return false;
  }
  return (unit >= 0x0590 && unit <= 0x08FF) || (unit >= 0xFB1D && unit <= 0xFDFF) ||
         (unit >= 0xFE70 && unit <= 0xFEFE) || unit == 0x200C || unit == 0x200D;
}

bool isLineBreak(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

void replaceLetters(const LettersForOldSystems& rule, StrBuffer& text) {
  char16_t* units = text.data();
  for (std::uint32_t i = 0; i < text.length(); ++i) {
    if (units[i] < 0x0100) continue;  // none of the letters is Latin-1
    for (std::uint32_t k = 0; rule.letters[k] != 0; ++k) {
      if (units[i] == rule.letters[k]) units[i] = rule.replacements[k];
    }
  }
}

bool isRightToLeftTag(const StrBuffer& tag) {
  for (const char16_t* name : kRightToLeftTags) {
    if (isTag(tag, name)) return true;
  }
  return false;
}

bool lineHoldsRightToLeft(const char16_t* units, std::uint32_t from, std::uint32_t to) {
  for (std::uint32_t i = from; i < to; ++i) {
    if (isRightToLeftLetter(units[i])) return true;
  }
  return false;
}

// Appends one line of a right-to-left text: each stretch of other characters between its
// letters (a Latin name, a number, punctuation) is enclosed in an embedding of its own. One
// embedding around the whole line would end where a message box wraps the line, leaving the
// following lines in the control's direction; stretches without spaces are never split.
void appendEmbeddedLine(StrBuffer& out, const char16_t* units, std::uint32_t from,
                        std::uint32_t to) {
  std::uint32_t i = from;
  while (i < to) {
    if (isRightToLeftLetter(units[i]) || units[i] == u' ') {
      out.appendChar(units[i++]);
      continue;
    }
    std::uint32_t end = i;
    std::uint32_t last = i;
    while (end < to && !isRightToLeftLetter(units[end])) {
      if (units[end] != u' ') last = end;
      ++end;
    }
    out.appendChar(kRightToLeftEmbedding);
    out.appendUnits(units + i, last + 1 - i);
    out.appendChar(kPopDirectionalFormatting);
    out.appendUnits(units + last + 1, end - last - 1);
    i = end;
  }
}

// Lines without a right-to-left letter (an address, a number) are left as they are.
Owned<StrBuffer> embedRightToLeftLines(Owned<StrBuffer> text) {
  const char16_t* units = text->data();
  const std::uint32_t length = text->length();
  if (!lineHoldsRightToLeft(units, 0, length)) return text;

  Owned<StrBuffer> out = s::str::strbuffer::newStr();
  out->reserve(length + length / 4 + 1);
  for (std::uint32_t start = 0; start <= length;) {
    std::uint32_t end = start;
    while (end < length && !isLineBreak(units[end])) ++end;
    if (lineHoldsRightToLeft(units, start, end)) {
      appendEmbeddedLine(*out, units, start, end);
    } else {
      out->appendUnits(units + start, end - start);
    }
    if (end < length) out->appendChar(units[end]);
    start = end + 1;
  }
  return out;
}

}  // namespace

Owned<StrBuffer> textForSystem(const StrBuffer& tag, Owned<StrBuffer> text) {
  for (const LettersForOldSystems& rule : kLettersForOldSystems) {
    if (!isTag(tag, rule.tag)) continue;
    if (isOlderThanVista()) replaceLetters(rule, *text);
    return text;
  }
  if (isRightToLeftTag(tag)) return embedRightToLeftLines(std::move(text));
  return text;
}

}  // namespace s::lang
