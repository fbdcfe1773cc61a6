#include "s/str/strbuffer/Utf8.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <tmmintrin.h>
#define VEXO_UTF8_SSSE3 1
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

#if defined(VEXO_UTF8_SSSE3)

namespace {

// Neither build's baseline has SSSE3 (the 32-bit one not even SSE2): only these functions may
// use it, and only once the processor has said it has it.
#define VEXO_SSSE3 __attribute__((target("ssse3")))

// For each set of character ends among 8 positions, a shuffle that gathers the 16-bit units at
// those positions to the front, in order, and their number.
struct EndGather {
  alignas(16) std::uint8_t lanes[256][16];
  std::uint8_t counts[256];
};

constexpr EndGather makeEndGather() {
  EndGather table{};
  for (int ends = 0; ends < 256; ++ends) {
    int n = 0;
    for (int k = 0; k < 16; ++k) table.lanes[ends][k] = 0x80;
    for (int bit = 0; bit < 8; ++bit) {
      if ((ends & (1 << bit)) == 0) continue;
      table.lanes[ends][2 * n] = static_cast<std::uint8_t>(2 * bit);
      table.lanes[ends][2 * n + 1] = static_cast<std::uint8_t>(2 * bit + 1);
      ++n;
    }
    table.counts[ends] = static_cast<std::uint8_t>(n);
  }
  return table;
}

constexpr EndGather kEndGather = makeEndGather();

// What is wrong with a pair of neighbouring bytes, as the AND of three lookups: the first
// byte's high and low halves and the second byte's high half. Only the forms this decoder takes
// (one to three bytes) count as right; a four-byte lead is wrong whatever follows it.
constexpr std::uint8_t kTooShort = 0x01;   // a lead without a continuation after it
constexpr std::uint8_t kTooLong = 0x02;    // a continuation after ASCII
constexpr std::uint8_t kOverlong2 = 0x04;  // C0 or C1
constexpr std::uint8_t kFourByte = 0x08;   // F0 to FF
constexpr std::uint8_t kOverlong3 = 0x10;  // E0 before 80 to 9F
constexpr std::uint8_t kSurrogate = 0x20;  // ED before A0 to BF
// Two continuations in a row: right exactly when a three-byte lead comes before them.
constexpr std::uint8_t kTwoConts = 0x80;

struct PairTables {
  alignas(16) std::uint8_t firstHigh[16];
  alignas(16) std::uint8_t firstLow[16];
  alignas(16) std::uint8_t secondHigh[16];
};

constexpr PairTables makePairTables() {
  PairTables tables{};
  for (int half = 0; half < 16; ++half) {
    const bool cont = half >= 8 && half < 12;
    tables.firstHigh[half] = half < 8 ? kTooLong : cont ? kTwoConts : kTooShort;
    tables.firstLow[half] = kTooShort | kTooLong | kTwoConts | kFourByte;
    // C0, C1 and the four-byte leads are wrong whatever follows them.
    tables.secondHigh[half] = (cont ? kTooLong | kTwoConts : kTooShort) | kOverlong2 | kFourByte;
  }
  tables.firstHigh[0xC] |= kOverlong2;
  tables.firstLow[0x0] |= kOverlong2;
  tables.firstLow[0x1] |= kOverlong2;
  tables.firstHigh[0xF] |= kFourByte;
  tables.firstHigh[0xE] |= kOverlong3 | kSurrogate;
  tables.firstLow[0x0] |= kOverlong3;
  tables.firstLow[0xD] |= kSurrogate;
  tables.secondHigh[0x8] |= kOverlong3;
  tables.secondHigh[0x9] |= kOverlong3;
  tables.secondHigh[0xA] |= kSurrogate;
  tables.secondHigh[0xB] |= kSurrogate;
  return tables;
}

constexpr PairTables kPairTables = makePairTables();

VEXO_SSSE3 inline __m128i load(const std::uint8_t* bytes) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes));
}

// One block of 16 bytes against the one before it: every character that ends from the
// block's first byte minus one to its last byte minus one is written (the last byte's
// character is only known to end with the next block), and whatever is wrong with the pairs
// of bytes is added to `wrong`.
class Blocks {
 public:
  VEXO_SSSE3 Blocks()
      : firstHigh_(load(kPairTables.firstHigh)),
        firstLow_(load(kPairTables.firstLow)),
        secondHigh_(load(kPairTables.secondHigh)),
        nibble_(_mm_set1_epi8(0x0F)),
        wrong_(_mm_setzero_si128()),
        previous_(_mm_setzero_si128()),
        previousCont_(_mm_setzero_si128()) {}

  // keep: the ends to write, as bits (bit i: the character that ends just before byte i).
  VEXO_SSSE3 char16_t* step(__m128i bytes, unsigned keep, char16_t* out) {
    const __m128i cont = _mm_cmplt_epi8(bytes, _mm_set1_epi8(-64));
    const unsigned ends = ~static_cast<unsigned>(_mm_movemask_epi8(cont)) & keep;
    // The last bytes of the characters (x), and the one and two before (y, z).
    const __m128i x = _mm_alignr_epi8(bytes, previous_, 15);
    const __m128i y = _mm_alignr_epi8(bytes, previous_, 14);
    const __m128i z = _mm_alignr_epi8(bytes, previous_, 13);
    const __m128i xCont = _mm_alignr_epi8(cont, previousCont_, 15);
    const __m128i yCont = _mm_alignr_epi8(cont, previousCont_, 14);
    previous_ = bytes;
    previousCont_ = cont;

    const __m128i special = _mm_and_si128(
        _mm_and_si128(_mm_shuffle_epi8(firstHigh_, _mm_and_si128(_mm_srli_epi16(x, 4), nibble_)),
                      _mm_shuffle_epi8(firstLow_, _mm_and_si128(x, nibble_))),
        _mm_shuffle_epi8(secondHigh_, _mm_and_si128(_mm_srli_epi16(bytes, 4), nibble_)));
    const __m128i afterThreeLead =
        _mm_and_si128(_mm_cmpeq_epi8(_mm_max_epu8(y, _mm_set1_epi8(-32)), y), _mm_set1_epi8(-128));
    wrong_ = _mm_or_si128(wrong_, _mm_xor_si128(special, afterThreeLead));

    // Every character's unit from its last byte and the bytes before it that belong to it
    // (they do when the byte after them is a continuation), in two planes: low bytes and high.
    const __m128i ys = _mm_and_si128(y, xCont);
    const __m128i zs = _mm_and_si128(z, _mm_and_si128(xCont, yCont));
    const __m128i low = _mm_or_si128(_mm_and_si128(x, _mm_set1_epi8(0x7F)),
                                     _mm_and_si128(_mm_slli_epi16(ys, 6), _mm_set1_epi8(-64)));
    const __m128i high = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(ys, 2), nibble_),
                                      _mm_and_si128(_mm_slli_epi16(zs, 4), _mm_set1_epi8(-16)));
    const unsigned first = ends & 0xFF;
    const unsigned second = ends >> 8;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_shuffle_epi8(_mm_unpacklo_epi8(low, high), load(kEndGather.lanes[first])));
    out += kEndGather.counts[first];
    _mm_storeu_si128(
        reinterpret_cast<__m128i*>(out),
        _mm_shuffle_epi8(_mm_unpackhi_epi8(low, high), load(kEndGather.lanes[second])));
    return out + kEndGather.counts[second];
  }

  // A block of ASCII after a block that ended in ASCII: all 16 units as they are, the last
  // byte's unit first (false, nothing done, for any other block).
  VEXO_SSSE3 bool ascii(__m128i bytes, char16_t* out) {
    if ((_mm_movemask_epi8(bytes) | (_mm_movemask_epi8(previous_) & 0x8000)) != 0) return false;
    widen(_mm_alignr_epi8(bytes, previous_, 15), out);
    previous_ = bytes;
    previousCont_ = _mm_setzero_si128();
    return true;
  }

  // The first block of a text: as step() with nothing ending before it, ASCII in one go.
  VEXO_SSSE3 char16_t* first(__m128i bytes, char16_t* out) {
    if (_mm_movemask_epi8(bytes) != 0) return step(bytes, 0xFFFE, out);
    widen(bytes, out);
    previous_ = bytes;
    return out + 15;
  }

  VEXO_SSSE3 static void widen(__m128i bytes, char16_t* out) {
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
  }

  VEXO_SSSE3 bool right() const {
    return _mm_movemask_epi8(_mm_cmpeq_epi8(wrong_, _mm_setzero_si128())) == 0xFFFF;
  }

 private:
  const __m128i firstHigh_;
  const __m128i firstLow_;
  const __m128i secondHigh_;
  const __m128i nibble_;
  __m128i wrong_;
  __m128i previous_;
  __m128i previousCont_;
};

// Decodes 16 bytes at a time, whatever their mix of one-, two- and three-byte characters,
// without a branch per character, and checks the whole text as it goes. A text with anything
// else (an invalid form, a four-byte character, a form cut by the end) is decoded again by
// decodeUtf8, which gives the plain decoder's units.
VEXO_SSSE3 char16_t* decodeBlocks(const std::uint8_t* in, std::uint32_t count, char16_t* out) {
  const std::uint8_t* const end = in + count;
  char16_t* const start = out;
  const __m128i offsets = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  Blocks blocks;
  if (count < 16) {
    // Past the end the block reads as zeros, so that the last character ends and a form cut by
    // the end shows.
    const __m128i bytes =
        _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)),
                      _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(count)), offsets));
    if (_mm_movemask_epi8(bytes) == 0) {
      Blocks::widen(bytes, out);
      return out + count;
    }
    // Nothing ends before the first byte.
    out = blocks.step(bytes, 0xFFFEu & ((2u << count) - 1), out);
  } else {
    out = blocks.first(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), out);
    const std::uint8_t* at = in + 16;
    for (; end - at >= 16; at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      if (blocks.ascii(bytes, out)) {
        out += 16;
      } else {
        out = blocks.step(bytes, 0xFFFF, out);
      }
    }
    // The last block, 0 to 15 bytes, ends the last character.
    const auto left = static_cast<unsigned>(end - at);
    const __m128i bytes =
        _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)),
                      _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(left)), offsets));
    if (blocks.ascii(bytes, out)) {
      out += left + 1;
    } else {
      out = blocks.step(bytes, (2u << left) - 1, out);
    }
  }
  if (blocks.right()) return out;
  return decodeUtf8(in, count, start);
}

bool processorHasSsse3() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (ecx & bit_SSSE3) != 0;
}

// Read at start-up rather than on first use, so that the call needs no guard: a text decoded
// by another file's start-up code before this is set goes through decodeUtf8, with the same
// units.
const bool kBlocks = processorHasSsse3();

}  // namespace

char16_t* decodeUtf8Padded(const std::uint8_t* in, std::uint32_t count, char16_t* out) {
  return kBlocks ? decodeBlocks(in, count, out) : decodeUtf8(in, count, out);
}

#else

char16_t* decodeUtf8Padded(const std::uint8_t* in, std::uint32_t count, char16_t* out) {
  return decodeUtf8(in, count, out);
}

#endif

}  // namespace s::str::strbuffer
