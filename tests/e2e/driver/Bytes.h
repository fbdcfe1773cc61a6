#pragma once

// Registry data as bytes: what the driver prints (type name and hex) and what a check expects.

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

using Bytes = std::vector<std::uint8_t>;

std::string toHex(const Bytes& bytes);
// Hex digits in pairs, either case; blanks between pairs are allowed. False on anything else.
bool fromHex(const std::string& text, Bytes* out);

// "REG_EXPAND_SZ", "expand_sz" or a number; false for an unknown name.
bool registryTypeOf(const std::string& name, std::uint32_t* type);
// The REG_ name, or the number for a type without one.
std::string registryTypeName(std::uint32_t type);
bool isTextType(std::uint32_t type);

// Little-endian UTF-16, with the terminating zero unit that string values carry.
Bytes utf16Bytes(const std::u16string& text, bool terminated);
// The text of a string value: its units up to the first zero (or all of them).
std::u16string textOfBytes(const Bytes& bytes);
Bytes littleEndian(std::uint64_t value, std::size_t size);
// The number in a 4- or 8-byte little-endian value.
bool numberOfBytes(const Bytes& bytes, std::uint64_t* out);

// Where two byte strings first differ (a length difference counts at the shorter length), or
// -1 when they are the same.
std::int64_t firstDifference(const Bytes& expected, const Bytes& found);
// "at byte 58 (of 312 expected, 312 found): expected ...39 found ...33", with a few bytes of
// context on each side so a text value's difference can be found by eye.
std::string describeDifference(const Bytes& expected, const Bytes& found);

}  // namespace e2e
