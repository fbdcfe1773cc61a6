#include <doctest/doctest.h>

#include <cstdint>
#include <string>

#include "s/str/strbuffer/Utf8.h"

using s::str::strbuffer::decodeUtf8;

namespace {

std::u16string decoded(const std::string& bytes) {
  std::u16string out(bytes.size() + 8, u'#');
  char16_t* end = decodeUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                             static_cast<std::uint32_t>(bytes.size()), &out[0]);
  // Nothing may be written beyond the room of one unit per byte.
  CHECK(out.substr(bytes.size()) == u"########");
  return out.substr(0, static_cast<std::size_t>(end - out.data()));
}

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
    }
  }
}
