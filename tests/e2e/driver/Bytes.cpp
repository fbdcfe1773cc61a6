#include "Bytes.h"

#include <cctype>
#include <cstdio>

namespace e2e {

namespace {

struct TypeName {
  const char* name;
  std::uint32_t type;
};

constexpr TypeName kTypes[] = {
    {"REG_NONE", 0},   {"REG_SZ", 1},       {"REG_EXPAND_SZ", 2},
    {"REG_BINARY", 3}, {"REG_DWORD", 4},    {"REG_DWORD_BIG_ENDIAN", 5},
    {"REG_LINK", 6},   {"REG_MULTI_SZ", 7}, {"REG_RESOURCE_LIST", 8},
    {"REG_QWORD", 11},
};

int nibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string upper(const std::string& text) {
  std::string out;
  for (char c : text) out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string hexRange(const Bytes& bytes, std::size_t from, std::size_t to) {
  if (from >= bytes.size()) return bytes.empty() ? "(nothing)" : "(end)";
  Bytes part(bytes.begin() + static_cast<std::ptrdiff_t>(from),
             bytes.begin() + static_cast<std::ptrdiff_t>(to < bytes.size() ? to : bytes.size()));
  return (from > 0 ? "..." : "") + toHex(part) + (to < bytes.size() ? "..." : "");
}

}  // namespace

std::string toHex(const Bytes& bytes) {
  std::string out;
  for (std::uint8_t byte : bytes) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", byte);
    out += pair;
  }
  return out;
}

bool fromHex(const std::string& text, Bytes* out) {
  out->clear();
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) return false;
    int high = nibble(text[i]);
    int low = nibble(text[i + 1]);
    if (high < 0 || low < 0) return false;
    out->push_back(static_cast<std::uint8_t>(high * 16 + low));
    i += 2;
  }
  return true;
}

bool registryTypeOf(const std::string& name, std::uint32_t* type) {
  std::string wanted = upper(name);
  if (wanted.rfind("REG_", 0) != 0) wanted = "REG_" + wanted;
  for (const TypeName& entry : kTypes) {
    if (wanted == entry.name) {
      *type = entry.type;
      return true;
    }
  }
  if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos &&
      name.size() < 10) {
    *type = static_cast<std::uint32_t>(std::stoul(name));
    return true;
  }
  return false;
}

std::string registryTypeName(std::uint32_t type) {
  for (const TypeName& entry : kTypes) {
    if (entry.type == type) return entry.name;
  }
  return std::to_string(type);
}

bool isTextType(std::uint32_t type) { return type == 1 || type == 2; }

Bytes utf16Bytes(const std::u16string& text, bool terminated) {
  Bytes out;
  for (char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  if (terminated) out.insert(out.end(), {0, 0});
  return out;
}

std::u16string textOfBytes(const Bytes& bytes) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    out += unit;
  }
  return out;
}

Bytes littleEndian(std::uint64_t value, std::size_t size) {
  Bytes out;
  for (std::size_t i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  return out;
}

bool numberOfBytes(const Bytes& bytes, std::uint64_t* out) {
  if (bytes.size() != 4 && bytes.size() != 8) return false;
  *out = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) *out = (*out << 8) | bytes[i];
  return true;
}

std::int64_t firstDifference(const Bytes& expected, const Bytes& found) {
  std::size_t common = expected.size() < found.size() ? expected.size() : found.size();
  for (std::size_t i = 0; i < common; ++i) {
    if (expected[i] != found[i]) return static_cast<std::int64_t>(i);
  }
  if (expected.size() != found.size()) return static_cast<std::int64_t>(common);
  return -1;
}

std::string describeDifference(const Bytes& expected, const Bytes& found) {
  std::int64_t at = firstDifference(expected, found);
  if (at < 0) return "the same";
  auto position = static_cast<std::size_t>(at);
  std::size_t from = position > 8 ? position - 8 : 0;
  return "at byte " + std::to_string(position) + " (of " + std::to_string(expected.size()) +
         " expected, " + std::to_string(found.size()) + " found): expected " +
         hexRange(expected, from, position + 8) + " found " + hexRange(found, from, position + 8);
}

}  // namespace e2e
