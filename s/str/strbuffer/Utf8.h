#pragma once

#include <cstdint>

namespace s::str::strbuffer {

// UTF-8 to UTF-16 decoding shared by the text buffer and the XML reader, so that both turn the
// same bytes into the same units. Invalid input becomes one U+FFFD per maximal invalid prefix.
// A sequence never swallows an ASCII byte, so decoding a document piecewise between ASCII
// delimiters gives the same units as decoding it whole.

// Decodes count bytes into out, which has room for count units (no byte yields more than one
// unit, a four-byte sequence two). Returns the end of the units produced; the room beyond it may
// have been used as scratch.
char16_t* decodeUtf8(const std::uint8_t* in, std::uint32_t count, char16_t* out);

// The same units for callers that can give slack on both sides: the kUtf8Slack bytes after
// in + count may be read (what they hold does not matter) and out has room for count +
// kUtf8Slack units.
// On processors with SSSE3 it decodes blocks of 16 bytes of mixed one-, two- and three-byte
// characters without a branch per character; elsewhere it is decodeUtf8.
constexpr std::uint32_t kUtf8Slack = 16;
char16_t* decodeUtf8Padded(const std::uint8_t* in, std::uint32_t count, char16_t* out);

// The same decoding one character at a time with decodeUtf8Char: the reading decodeUtf8 is
// held to by the tests and the fuzz targets.
char16_t* decodeUtf8Plain(const std::uint8_t* in, std::uint32_t count, char16_t* out);

// Decodes one character from in (available: bytes left, at least 1) into out (room for two
// units). Returns the bytes used; *units receives the units written (1 or 2).
std::uint32_t decodeUtf8Char(const std::uint8_t* in, std::uint32_t available, char16_t* out,
                             std::uint32_t* units);

}  // namespace s::str::strbuffer
