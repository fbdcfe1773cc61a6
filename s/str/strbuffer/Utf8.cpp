#include "s/str/strbuffer/Utf8.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace s::str::strbuffer {

std::uint32_t decodeUtf8Char(const std::uint8_t* in, std::uint32_t available, char16_t* out,
                             std::uint32_t* units) {
  std::uint32_t b = in[0];
  *units = 1;
  if (b < 0x80) {
    out[0] = static_cast<char16_t>(b);
    return 1;
  }
  std::uint32_t need = 0;
  std::uint32_t c = 0;
  std::uint32_t minimum = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    need = 1, c = b & 0x1F, minimum = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    need = 2, c = b & 0x0F, minimum = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    need = 3, c = b & 0x07, minimum = 0x10000;
  }
  std::uint32_t used = 1;
  bool valid = need > 0;
  for (std::uint32_t k = 1; valid && k <= need; ++k) {
    if (k >= available || (in[k] & 0xC0) != 0x80) {
      valid = false;
    } else {
      c = (c << 6) | (in[k] & 0x3F);
      used = k + 1;
    }
  }
  if (valid && (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) valid = false;
  if (!valid) {
    // One replacement per maximal invalid prefix, as the platform decoder does.
    out[0] = 0xFFFD;
    return used;
  }
  if (c >= 0x10000) {
    c -= 0x10000;
    out[0] = static_cast<char16_t>(0xD800 + (c >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    *units = 2;
  } else {
    out[0] = static_cast<char16_t>(c);
  }
  return used;
}

namespace {

// Words are read as the bytes lie in memory, lowest byte first (every build is little-endian),
// and cut into four 16-bit lanes: a two-byte sequence that starts at an even offset fills one
// lane, lead byte low.
inline std::uint64_t wordAt(const std::uint8_t* in) {
  std::uint64_t word;
  std::memcpy(&word, in, 8);
  return word;
}

constexpr std::uint64_t kLaneLow = 0x7FFF7FFF7FFF7FFFull;
constexpr std::uint64_t kLaneTop = ~kLaneLow;

// The top bit of every lane that is not zero.
inline std::uint64_t nonZeroLanes(std::uint64_t lanes) {
  return (((lanes & kLaneLow) + kLaneLow) | lanes) & kLaneTop;
}

// Decodes four two-byte sequences from the 8 bytes at in into out when all four are
// well-formed (a lead of C0 or C1 is an overlong form); false (nothing written) otherwise.
inline bool fourTwoByte(const std::uint8_t* in, char16_t* out) {
  const std::uint64_t word = wordAt(in);
  const std::uint64_t broken =
      nonZeroLanes((word & 0xC0E0C0E0C0E0C0E0ull) ^ 0x80C080C080C080C0ull) |
      (~nonZeroLanes(word & 0x001E001E001E001Eull) & kLaneTop);
  if (broken != 0) return false;
  const std::uint64_t units =
      ((word & 0x001F001F001F001Full) << 6) | ((word >> 8) & 0x003F003F003F003Full);
  std::memcpy(out, &units, 8);
  return true;
}

// A three-byte sequence's value outside the overlong and surrogate ranges.
inline bool threeByteValue(std::uint32_t c) { return c >= 0x800 && (c & 0xF800) != 0xD800; }

// Decodes the two three-byte sequences that open the 8 bytes at in into out when both are
// well-formed; false (nothing written) otherwise.
inline bool threeBytePair(const std::uint8_t* in, char16_t* out) {
  const std::uint64_t word = wordAt(in);
  if ((word & 0xC0C0F0C0C0F0ull) != 0x8080E08080E0ull) return false;
  const auto first = static_cast<std::uint32_t>(((word & 0x0F) << 12) | ((word >> 2) & 0xFC0) |
                                                ((word >> 16) & 0x3F));
  const auto second = static_cast<std::uint32_t>(((word >> 12) & 0xF000) | ((word >> 26) & 0xFC0) |
                                                 ((word >> 40) & 0x3F));
  if (!threeByteValue(first) || !threeByteValue(second)) return false;
  out[0] = static_cast<char16_t>(first);
  out[1] = static_cast<char16_t>(second);
  return true;
}

}  // namespace

char16_t* decodeUtf8Plain(const std::uint8_t* in, std::uint32_t count, char16_t* out) {
  const std::uint8_t* const end = in + count;
  while (in != end) {
    std::uint32_t units = 0;
    in += decodeUtf8Char(in, static_cast<std::uint32_t>(end - in), out, &units);
    out += units;
  }
  return out;
}

namespace {

// The well-formed forms, up to the end or to the first character it does not take (an invalid
// form, a four-byte character, a form cut by the end): false at the end, true at such a
// character, with in and out moved past what was decoded.
__attribute__((always_inline)) inline bool decodeCommon(const std::uint8_t*& in,
                                                        const std::uint8_t* end, char16_t*& out) {
  while (in != end) {
    std::uint32_t b = *in;
    if (b < 0x80) {
      // Runs of ASCII go in blocks: most documents are mostly ASCII. A block is widened in
      // full, then only its ASCII head is counted, so the attempt is never wasted; there is room
      // for it, because the units written never outnumber the bytes read.
#if defined(__SSE2__)
      if (end - in >= 16) {
        __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(sixteen, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(sixteen, zero));
        auto high = static_cast<unsigned>(_mm_movemask_epi8(sixteen));
        int ascii = high == 0 ? 16 : __builtin_ctz(high);
        out += ascii;
        in += ascii;
        continue;
      }
#endif
      if (end - in >= 8) {
        std::uint64_t eight = wordAt(in);
        for (int k = 0; k < 8; ++k) out[k] = static_cast<char16_t>(in[k]);
        std::uint64_t high = eight & 0x8080808080808080ull;
        // The lowest set bit marks the first non-ASCII byte.
        int ascii = high == 0 ? 8 : __builtin_ctzll(high) / 8;
        out += ascii;
        in += ascii;
        continue;
      }
      *out++ = static_cast<char16_t>(b);
      ++in;
      continue;
    }
    // The common well-formed two- and three-byte forms inline, several at a time inside long
    // runs: four two-byte characters (Greek, Cyrillic, Arabic) or two three-byte ones (CJK)
    // when the next word holds nothing else, so that the step is known before the units are.
    if (b >= 0xC2 && b <= 0xDF) {
      if (end - in >= 8 && fourTwoByte(in, out)) {
        in += 8;
        out += 4;
        continue;
      }
      if (end - in >= 2 && (in[1] & 0xC0) == 0x80) {
        *out++ = static_cast<char16_t>(((b & 0x1F) << 6) | (in[1] & 0x3F));
        in += 2;
        continue;
      }
    } else if ((b & 0xF0) == 0xE0) {
      if (end - in >= 8 && threeBytePair(in, out)) {
        in += 6;
        out += 2;
        continue;
      }
      if (end - in >= 3 && (in[1] & 0xC0) == 0x80 && (in[2] & 0xC0) == 0x80) {
        std::uint32_t c = ((b & 0x0F) << 12) | ((in[1] & 0x3Fu) << 6) | (in[2] & 0x3Fu);
        if (threeByteValue(c)) {
          *out++ = static_cast<char16_t>(c);
          in += 3;
          continue;
        }
      }
    }
    return true;
  }
  return false;
}

// The rest of a text from a character the common loop does not take: one character at a time
// through decodeUtf8Char, the stretches between through the common loop again.
__attribute__((noinline)) char16_t* decodeFromOdd(const std::uint8_t* in, const std::uint8_t* end,
                                                  char16_t* out) {
  do {
    std::uint32_t units = 0;
    in += decodeUtf8Char(in, static_cast<std::uint32_t>(end - in), out, &units);
    out += units;
  } while (decodeCommon(in, end, out));
  return out;
}

}  // namespace

// The common loop runs here without a call of its own, so this function needs no stack frame:
// most texts of a document are short, and setting a frame up would cost them more than their
// characters. The rarer characters are decoded through a call made once, at the end.
char16_t* decodeUtf8(const std::uint8_t* in, std::uint32_t count, char16_t* out) {
  const std::uint8_t* const end = in + count;
  if (!decodeCommon(in, end, out)) return out;
  return decodeFromOdd(in, end, out);
}

}  // namespace s::str::strbuffer
