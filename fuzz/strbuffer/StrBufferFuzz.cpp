// Runs a text buffer and a std::u16string through the same edits and compares every search,
// split and replacement with a plain unit-by-unit reading of the rule. What it guards: the
// word-wise scans (matches at every offset, either letter case, units one bit apart) and
// growth, which must carry every unit over whatever path grew the storage.
//
// Input: a list of operations, one byte each, followed by their argument bytes. Units come from
// a small alphabet so that matches are frequent.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

using s::str::strbuffer::StrBuffer;

namespace {

// Letters in both cases, the two non-letters that differ only in bit 5, units whose low byte is
// a letter, a separator and a unit beyond Latin-1.
constexpr char16_t kAlphabet[16] = {u'a', u'A',   u'b',   u'B',   u'@',   u'`', u' ', u'z',
                                    u'Z', 0x0158, 0x0178, 0x00E9, 0x0141, u'x', u'X', 0x3000};

void check(bool ok) {
  if (!ok) __builtin_trap();
}

char16_t fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : at_(data), end_(data + size) {}
  bool more() const { return at_ < end_; }
  std::uint8_t byte() { return at_ < end_ ? *at_++ : 0; }
  std::u16string units(std::size_t count) {
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) text += kAlphabet[byte() & 15];
    return text;
  }

 private:
  const std::uint8_t* at_;
  const std::uint8_t* end_;
};

bool sameAt(const std::u16string& text, std::size_t at, const std::u16string& needle,
            bool ignoreCase) {
  for (std::size_t j = 0; j < needle.size(); ++j) {
    char16_t a = text[at + j];
    char16_t b = needle[j];
    if (ignoreCase ? fold(a) != fold(b) : a != b) return false;
  }
  return true;
}

// The first match at or after start, or -1.
long firstMatch(const std::u16string& text, const std::u16string& needle, std::size_t start,
                bool ignoreCase) {
  for (std::size_t i = start; i + needle.size() <= text.size(); ++i) {
    if (sameAt(text, i, needle, ignoreCase)) return static_cast<long>(i);
  }
  return -1;
}

// The last match that ends at or before limit, or -1.
long lastMatch(const std::u16string& text, const std::u16string& needle, std::size_t limit,
               bool ignoreCase) {
  for (std::size_t end = limit; end >= needle.size() && end > 0; --end) {
    if (sameAt(text, end - needle.size(), needle, ignoreCase)) {
      return static_cast<long>(end - needle.size());
    }
  }
  return -1;
}

void checkFound(bool found, std::uint32_t position, long expected) {
  check(found == (expected >= 0));
  if (found) check(position == static_cast<std::uint32_t>(expected));
}

void checkSearches(const StrBuffer& buffer, const std::u16string& model, Input& in) {
  std::u16string needle = in.units(1 + in.byte() % 6);
  std::uint32_t start = in.byte() % (model.size() + 2);
  std::uint32_t before = in.byte() % 4 == 0 ? StrBuffer::kFromEnd : in.byte() % (model.size() + 2);
  std::size_t limit =
      before == StrBuffer::kFromEnd ? model.size() : std::min<std::size_t>(before, model.size());
  std::uint32_t at = 0;
  for (bool ignoreCase : {false, true}) {
    long first = start >= model.size() ? -1 : firstMatch(model, needle, start, ignoreCase);
    checkFound(ignoreCase ? buffer.findIgnoreCase(needle.c_str(), &at, start)
                          : buffer.find(needle.c_str(), &at, start),
               at, first);
    long last = lastMatch(model, needle, limit, ignoreCase);
    checkFound(ignoreCase ? buffer.findLastIgnoreCase(needle.c_str(), &at, before)
                          : buffer.findLast(needle.c_str(), &at, before),
               at, last);
    std::u16string unit = needle.substr(0, 1);
    first = start >= model.size() ? -1 : firstMatch(model, unit, start, ignoreCase);
    checkFound(ignoreCase ? buffer.indexOfIgnoreCase(unit[0], &at, start)
                          : buffer.indexOf(unit[0], &at, start),
               at, first);
    last = lastMatch(model, unit, limit, ignoreCase);
    checkFound(ignoreCase ? buffer.lastIndexOfIgnoreCase(unit[0], &at, before)
                          : buffer.lastIndexOf(unit[0], &at, before),
               at, last);
  }
}

void checkSplit(const StrBuffer& buffer, const std::u16string& model, char16_t separator) {
  std::vector<std::u16string> expected;
  std::u16string piece;
  for (char16_t c : model + separator) {
    if (c != separator) {
      piece += c;
    } else if (!piece.empty()) {
      expected.push_back(piece);
      piece.clear();
    }
  }
  auto parts = buffer.split(separator);
  check(parts->count() == expected.size());
  for (std::uint32_t i = 0; i < parts->count(); ++i) check(parts->at(i)->text() == expected[i]);
}

void replaceInModel(std::u16string& model, const std::u16string& find,
                    const std::u16string& replacement, bool ignoreCase) {
  std::u16string result;
  std::size_t from = 0;
  for (long hit; (hit = firstMatch(model, find, from, ignoreCase)) >= 0;
       from = static_cast<std::size_t>(hit) + find.size()) {
    result.append(model, from, static_cast<std::size_t>(hit) - from);
    result += replacement;
  }
  result.append(model, from, std::u16string::npos);
  model = result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  auto buffer = s::thread::obtain<StrBuffer>();
  std::u16string model;
  // The model stays short enough that the quadratic reference readings stay quick.
  while (in.more() && model.size() < 3000) {
    switch (in.byte() % 8) {
      case 0: {
        std::u16string units = in.units(in.byte() % 64);
        buffer->appendUnits(units.data(), static_cast<std::uint32_t>(units.size()));
        model += units;
        break;
      }
      case 1: {
        // Runs of single units grow through every step of the policy one by one.
        std::u16string units = in.units(in.byte());
        for (char16_t unit : units) buffer->appendChar(unit);
        model += units;
        break;
      }
      case 2: {
        std::u16string units = in.units(in.byte() % 16);
        buffer->insertFront(units.data(), static_cast<std::uint32_t>(units.size()));
        model.insert(0, units);
        break;
      }
      case 3: {
        // Overwrites from a unit boundary and may run past the end.
        std::size_t position = in.byte() % (model.size() + 1);
        std::u16string units = in.units(in.byte() % 32);
        buffer->seek(static_cast<std::uint32_t>(2 * position));
        check(buffer->write(units.data(), static_cast<std::uint32_t>(2 * units.size())));
        model.replace(position, units.size(), units);
        break;
      }
      case 4:
        if (in.byte() % 4 == 0) {
          buffer->clear();
          model.clear();
        } else {
          buffer->reserveExact(buffer->capacity() + in.byte());
        }
        break;
      case 5:
        checkSearches(*buffer, model, in);
        break;
      case 6:
        checkSplit(*buffer, model, kAlphabet[in.byte() & 15]);
        break;
      default: {
        bool ignoreCase = (in.byte() & 1) != 0;
        std::u16string find = in.units(1 + in.byte() % 4);
        std::u16string replacement = in.units(in.byte() % 6);
        if (ignoreCase) {
          buffer->replaceAllIgnoreCase(find.c_str(), replacement.c_str());
        } else {
          buffer->replaceAll(find.c_str(), replacement.c_str());
        }
        replaceInModel(model, find, replacement, ignoreCase);
        break;
      }
    }
    check(buffer->length() == model.size());
    check(std::u16string(buffer->text(), buffer->length()) == model);
  }
  return 0;
}
