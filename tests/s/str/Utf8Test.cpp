#include <doctest/doctest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "s/str/strbuffer/Utf8.h"

using s::str::strbuffer::decodeUtf8;
using s::str::strbuffer::decodeUtf8Padded;
using s::str::strbuffer::decodeUtf8Plain;
using s::str::strbuffer::kUtf8Slack;

namespace {

std::u16string decoded(const std::string& bytes) {
  // The bytes in a block of exactly their size, so that a read past the end shows under the
  // address sanitizer.
  const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
  std::u16string out(bytes.size() + 8, u'#');
  char16_t* end = decodeUtf8(exact.data(), static_cast<std::uint32_t>(exact.size()), &out[0]);
  // Nothing may be written beyond the room of one unit per byte.
  CHECK(out.substr(bytes.size()) == u"########");
  return out.substr(0, static_cast<std::size_t>(end - out.data()));
}

// The padded decoder's units, from a block of exactly the bytes and the kUtf8Slack it may read
// after them, which hold `fill` (a continuation byte or a lead would change the result of a decoder
// that let them in).
std::u16string paddedDecoded(const std::string& bytes, char fill) {
  std::vector<std::uint8_t> padded(bytes.begin(), bytes.end());
  padded.resize(bytes.size() + kUtf8Slack, static_cast<std::uint8_t>(fill));
  std::u16string out(bytes.size() + kUtf8Slack + 8, u'#');
  char16_t* end =
      decodeUtf8Padded(padded.data(), static_cast<std::uint32_t>(bytes.size()), &out[0]);
  CHECK(out.substr(bytes.size() + kUtf8Slack) == u"########");
  return out.substr(0, static_cast<std::size_t>(end - out.data()));
}

// The plain decoder's units: one character at a time.
std::u16string plainDecoded(const std::string& bytes) {
  std::u16string out(bytes.size() + 1, u'#');
  char16_t* end = decodeUtf8Plain(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                  static_cast<std::uint32_t>(bytes.size()), &out[0]);
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

// Both fast decoders give the plain decoder's units and keep to their room.
bool sameAsPlain(const std::string& bytes) {
  const std::u16string plain = plainDecoded(bytes);
  return decoded(bytes) == plain && paddedDecoded(bytes, '\x80') == plain &&
         paddedDecoded(bytes, '\xE6') == plain && paddedDecoded(bytes, '<') == plain;
}

// Pieces of every form: ASCII, two- and three-byte characters of several scripts, the edges of
// each form's range, four-byte characters, and the invalid forms (overlong, surrogate, above
// U+10FFFF, stray continuation, truncated, bytes that never occur).
const char* const kPieces[] = {"a",
                               " ",
                               "Vexo ",
                               "<",
                               "&#13;&#10;",
                               "\xC3\xA9",
                               "\xC5\xA1",
                               "\xCE\xB1\xCE\xB2",
                               "\xD0\x9F\xD1\x80\xD0\xB8",
                               "\xD8\xA7\xD9\x84",
                               "\xC2\x80",
                               "\xDF\xBF",
                               "\xE6\x93\x8D",
                               "\xE4\xBD\x9C\xE3\x81\xA7",
                               "\xEA\xB8\xB0",
                               "\xE0\xA0\x80",
                               "\xEF\xBF\xBF",
                               "\xED\x9F\xBF",
                               "\xEE\x80\x80",
                               "\xF0\x9F\x98\x80",
                               "\xF4\x8F\xBF\xBF",
                               "\xC0\x80",
                               "\xC1\xBF",
                               "\xE0\x9F\xBF",
                               "\xED\xA0\x80",
                               "\xED\xBF\xBF",
                               "\xF4\x90\x80\x80",
                               "\xF5\x80",
                               "\x80",
                               "\xBF",
                               "\xC3",
                               "\xE6\x93",
                               "\xF0\x9F\x98",
                               "\xFE",
                               "\xFF"};

}  // namespace

TEST_CASE("UTF-8 decoding: each form, and one replacement per maximal invalid prefix") {
  struct Case {
    std::string bytes;
    std::u16string units;
  };
  const Case cases[] = {
      {"", u""},
      {"\xC2\x80\xDF\xBF", u"\u0080\u07FF"},
      {"\xE0\xA0\x80\xEF\xBF\xBF", u"\u0800\uFFFF"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {"\xC3(", u"\uFFFD("},
      {"\xC0\x80", u"\uFFFD\uFFFD"},
      {"\xE0\x80\x80", u"\uFFFD"},
      {"\xED\xA0\x80x", u"\uFFFDx"},
      {"\xF4\x90\x80\x80", u"\uFFFD"},
      {"\x80\xBFz", u"\uFFFD\uFFFDz"},
      {"\xE6\x93", u"\uFFFD"},
      {"\xE6\x93<", u"\uFFFD<"},
      {"\xF0\x9F\x98", u"\uFFFD"},
      {"\xFF\xFE", u"\uFFFD\uFFFD"},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case& c : cases) {
    CAPTURE(c.bytes.size());
    CHECK(decoded(c.bytes) == c.units);
    CHECK(paddedDecoded(c.bytes, '\x80') == c.units);
  }
}

TEST_CASE("UTF-8 decoding of ASCII runs of every length around other characters") {
  // Runs shorter and longer than the blocks the decoder takes at once, with a two-, three- or
  // four-byte character (or an invalid byte) at every offset, and ASCII again after it.
  struct Tail {
    std::string bytes;
    std::u16string units;
  };
  const Tail tails[] = {{"\xC3\xA9", u"\u00E9"},
                        {"\xE6\x93\x8D", u"\u64CD"},
                        {"\xF0\x9F\x98\x80", u"\U0001F600"},
                        {"\xFF", u"\uFFFD"}};
  for (const Tail& tail : tails) {
    for (int run = 0; run <= 40; ++run) {
      std::string bytes;
      std::u16string units;
      for (int i = 0; i < run; ++i) {
        bytes += static_cast<char>('a' + i % 26);
        units += static_cast<char16_t>(u'a' + i % 26);
      }
      bytes += tail.bytes + "&#13;&#10;" + tail.bytes;
      units += tail.units + u"&#13;&#10;" + tail.units;
      CAPTURE(run);
      CHECK(decoded(bytes) == units);
      CHECK(paddedDecoded(bytes, '\xBF') == units);
    }
  }
}

TEST_CASE("UTF-8 decoding gives the plain decoder's units on random mixed-script text") {
  // Mostly runs of one script with spaces, as translations are, and now and then any piece.
  std::uint32_t seed = 4711;
  auto next = [&seed](std::uint32_t below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % below;
  };
  const std::uint32_t pieces = sizeof kPieces / sizeof kPieces[0];
  int differing = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string bytes;
    const std::uint32_t length = next(160);
    const std::uint32_t script = next(pieces);
    while (bytes.size() < length) {
      const std::uint32_t roll = next(10);
      bytes += roll < 6 ? kPieces[script] : roll < 8 ? kPieces[1] : kPieces[next(pieces)];
    }
    if (!sameAsPlain(bytes)) {
      ++differing;
      CAPTURE(i);
      CHECK(decoded(bytes) == plainDecoded(bytes));
      CHECK(paddedDecoded(bytes, '\x80') == plainDecoded(bytes));
    }
  }
  CHECK(differing == 0);
}

TEST_CASE("UTF-8 decoding of runs of each form of every length, broken at every offset") {
  // Runs of a two- or three-byte character from 0 to 20 long, then a piece that ends the run
  // (ASCII, the other form, an invalid or truncated form), then the run's character again.
  const std::string runs[] = {"\xD0\x96", "\xE6\x93\x8D", "\xC3\xA9"};
  const std::string breaks[] = {" ",        "\xE4\xBD\x9C", "\xD0\x96",
                                "\xC0\xAF", "\xED\xA0\x80", "\xE6\x93",
                                "\xD0",     "\x80",         "\xF0\x9F\x98\x80"};
  for (const std::string& run : runs) {
    for (const std::string& stop : breaks) {
      for (int length = 0; length <= 20; ++length) {
        std::string bytes;
        for (int i = 0; i < length; ++i) bytes += run;
        bytes += stop + run;
        CAPTURE(length);
        CHECK(sameAsPlain(bytes));
        // The same bytes without their last byte end in a truncated sequence.
        CHECK(sameAsPlain(bytes.substr(0, bytes.size() - 1)));
      }
    }
  }
}

TEST_CASE("UTF-8 decoding gives the plain decoder's units on every seed of the fuzz corpus") {
  const std::string list = VEXO_UTF8_SEEDS;
  int files = 0;
  for (std::size_t at = 0; at <= list.size();) {
    std::size_t bar = list.find('|', at);
    if (bar == std::string::npos) bar = list.size();
    const std::string path = list.substr(at, bar - at);
    at = bar + 1;
    if (path.empty()) continue;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    REQUIRE_FALSE(bytes.empty());
    ++files;
    CAPTURE(path);
    // Whole, and cut after every byte of its first 300, so that every piece also meets the end.
    CHECK(sameAsPlain(bytes));
    int differing = 0;
    for (std::size_t cut = 0; cut < bytes.size() && cut < 300; ++cut) {
      if (!sameAsPlain(bytes.substr(0, cut)) || !sameAsPlain(bytes.substr(cut))) ++differing;
    }
    CHECK(differing == 0);
  }
  CHECK(files >= 6);
}
