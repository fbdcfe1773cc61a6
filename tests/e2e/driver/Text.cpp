#include "Text.h"

#include <cstdint>
#include <cstdio>

namespace e2e {

namespace {

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

}  // namespace

std::u16string fromUtf8(const std::string& text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::uint32_t code = 0xFFFD;
    std::size_t length = 1;
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
    }
    if (length > 1) {
      bool whole = i + length <= text.size();
      std::uint32_t value = lead & (0x7F >> length);
      for (std::size_t k = 1; whole && k < length; ++k) {
        auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) whole = false;
        value = (value << 6) | (next & 0x3F);
      }
      if (whole) {
        code = value;
      } else {
        length = 1;  // a broken sequence costs one replacement character per byte
      }
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 | (code >> 10));
      out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += length;
  }
  return out;
}

std::string toUtf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    appendUtf8(out, code);
  }
  return out;
}

bool unescapeText(const std::string& text, std::u16string* out) {
  std::string plain;
  out->clear();
  auto flush = [&] {
    *out += fromUtf8(plain);
    plain.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\\' || i + 1 == text.size()) {
      plain += c;
      continue;
    }
    char next = text[i + 1];
    switch (next) {
      case '\\':
        plain += '\\';
        ++i;
        break;
      case '"':
        plain += '"';
        ++i;
        break;
      case 'n':
        plain += '\n';
        ++i;
        break;
      case 'r':
        plain += '\r';
        ++i;
        break;
      case 't':
        plain += '\t';
        ++i;
        break;
      case 'u': {
        if (i + 6 > text.size()) return false;
        int value = 0;
        for (std::size_t k = i + 2; k < i + 6; ++k) {
          int digit = hexDigit(text[k]);
          if (digit < 0) return false;
          value = value * 16 + digit;
        }
        flush();
        *out += static_cast<char16_t>(value);
        i += 5;
        break;
      }
      default:
        plain += c;
        break;
    }
  }
  flush();
  return true;
}

std::string escapeText(const std::u16string& text) {
  std::string out = "\"";
  std::u16string run;
  auto flush = [&] {
    out += toUtf8(run);
    run.clear();
  };
  for (char16_t c : text) {
    const char* escape = nullptr;
    switch (c) {
      case u'\\':
        escape = "\\\\";
        break;
      case u'"':
        escape = "\\\"";
        break;
      case u'\n':
        escape = "\\n";
        break;
      case u'\r':
        escape = "\\r";
        break;
      case u'\t':
        escape = "\\t";
        break;
      default:
        break;
    }
    if (escape == nullptr && c >= 0x20 && c != 0x7F) {
      run += c;
      continue;
    }
    flush();
    if (escape != nullptr) {
      out += escape;
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
      out += code;
    }
  }
  flush();
  return out + "\"";
}

std::u16string withoutMnemonics(const std::u16string& text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // The character after a mark is shown as it is, a second mark included.
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

std::u16string menuLabel(const std::u16string& text) {
  return withoutMnemonics(text.substr(0, text.find(u'\t')));
}

bool equalsIgnoreCase(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

}  // namespace e2e
