// Fuzzes the SharedSection rewrite against an independent reading of the rule: any text, any
// new number. Beyond "no crash": an ok result must equal the input with only the number list
// rebuilt around the new second number, and a refused input must really be unusable.
//
// Input: 4 bytes of the new number (little-endian), then the text: each byte is one character
// (Latin-1), except that 0xFF takes the next two bytes as one UTF-16 unit.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/HeapEditor.h"

namespace {

void fail() { __builtin_trap(); }

char16_t fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::size_t findClause(const std::u16string& value) {
  static const std::u16string clause = u"sharedsection=";
  if (value.size() < clause.size()) return std::u16string::npos;
  for (std::size_t i = 0; i + clause.size() <= value.size(); ++i) {
    std::size_t j = 0;
    while (j < clause.size() && fold(value[i + j]) == clause[j]) ++j;
    if (j == clause.size()) return i;
  }
  return std::u16string::npos;
}

// A decimal integer of the signed 32-bit range: optional '-' (not alone), then digits.
bool parseInt32(const std::u16string& piece, std::int32_t* value) {
  std::size_t i = piece.size() > 1 && piece[0] == u'-' ? 1 : 0;
  if (i == piece.size()) return false;
  std::int64_t magnitude = 0;
  for (std::size_t k = i; k < piece.size(); ++k) {
    if (piece[k] < u'0' || piece[k] > u'9') return false;
    magnitude = magnitude * 10 + (piece[k] - u'0');
    if (magnitude > 2147483648ll) return false;
  }
  std::int64_t signedValue = i == 1 ? -magnitude : magnitude;
  if (signedValue > 2147483647ll) return false;
  *value = static_cast<std::int32_t>(signedValue);
  return true;
}

std::u16string decimal(std::int32_t n) {
  std::string narrow = std::to_string(n);
  return std::u16string(narrow.begin(), narrow.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::int32_t newSecond;
  std::memcpy(&newSecond, data, 4);
  std::u16string value;
  for (std::size_t i = 4; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      value += static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
      i += 2;
    } else {
      value += static_cast<char16_t>(data[i]);
    }
  }
  // The text buffer works on terminated text: a NUL ends the value as it would in the registry.
  value = value.substr(0, value.find(u'\0'));

  auto buffer = s::str::strbuffer::newStr(value.c_str());
  app::SharedSectionRewrite rewrite = app::RewriteSharedSection(*buffer, newSecond);

  // The rule, read independently.
  bool expectOk = false;
  std::u16string expected;
  std::int32_t expectedOld = 0;
  std::size_t position = findClause(value);
  if (position != std::u16string::npos) {
    std::size_t start = position + 14;
    std::size_t end = value.find(u' ', start);
    if (end == std::u16string::npos) end = value.size();
    std::vector<std::u16string> pieces;
    std::u16string piece;
    for (std::size_t i = start; i <= end; ++i) {
      if (i == end || value[i] == u',') {
        if (!piece.empty()) pieces.push_back(piece);
        piece.clear();
      } else {
        piece += value[i];
      }
    }
    std::int32_t numbers[3];
    expectOk = pieces.size() == 3 && parseInt32(pieces[0], &numbers[0]) &&
               parseInt32(pieces[1], &numbers[1]) && parseInt32(pieces[2], &numbers[2]);
    if (expectOk) {
      expectedOld = numbers[1];
      expected = value.substr(0, start) + pieces[0] + u"," + decimal(newSecond) + u"," + pieces[2] +
                 value.substr(end);
    }
  }

  if (rewrite.ok != expectOk) fail();
  if (!rewrite.ok) {
    if (buffer->length() != value.size()) fail();  // the input is left alone
    return 0;
  }
  if (rewrite.oldSecond != expectedOld) fail();
  if (std::u16string(rewrite.newValue->text(), rewrite.newValue->length()) != expected) fail();

  // Writing the old number back is understood again and gives back exactly what was found.
  app::SharedSectionRewrite undo = app::RewriteSharedSection(*rewrite.newValue, rewrite.oldSecond);
  if (!undo.ok || undo.oldSecond != newSecond) fail();
  app::SharedSectionRewrite again = app::RewriteSharedSection(*buffer, rewrite.oldSecond);
  if (!again.ok || !undo.newValue->equals(*again.newValue)) fail();
  return 0;
}
