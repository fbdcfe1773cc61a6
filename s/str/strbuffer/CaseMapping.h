#pragma once

namespace s::str::strbuffer {

// Simple one-to-one letter case for the scripts the language packs use most: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic. Other units are left as they are.
struct CaseMapping {
  static char16_t toLower(char16_t c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    if (c >= 0x100 && c <= 0x137 && (c & 1) == 0) return static_cast<char16_t>(c + 1);
    if (c >= 0x139 && c <= 0x148 && (c & 1) == 1) return static_cast<char16_t>(c + 1);
    if (c >= 0x14A && c <= 0x177 && (c & 1) == 0) return static_cast<char16_t>(c + 1);
    if (c == 0x178) return 0xFF;
    if ((c == 0x179 || c == 0x17B || c == 0x17D)) return static_cast<char16_t>(c + 1);
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 32);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
    return c;
  }

  static char16_t toUpper(char16_t c) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
    if (c == 0xFF) return 0x178;
    if (c >= 0x101 && c <= 0x138 && (c & 1) == 1 && c != 0x131 && c != 0x138) {
      return static_cast<char16_t>(c - 1);
    }
    if (c >= 0x13A && c <= 0x148 && (c & 1) == 0) return static_cast<char16_t>(c - 1);
    if (c >= 0x14B && c <= 0x177 && (c & 1) == 1) return static_cast<char16_t>(c - 1);
    if ((c == 0x17A || c == 0x17C || c == 0x17E)) return static_cast<char16_t>(c - 1);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 32);
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
    return c;
  }
};

}  // namespace s::str::strbuffer
