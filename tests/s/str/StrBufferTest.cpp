#include <doctest/doctest.h>

#include <string>

#include "s/col/_array/NumberArray.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/Iterator.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

namespace {

std::u16string text(const StrBuffer& buffer) { return buffer.text(); }

std::u16string joined(const s::str::strarray::StrArray& parts) {
  std::u16string all;
  for (std::uint32_t i = 0; i < parts.count(); ++i) {
    if (i > 0) all += u'|';
    all += parts.at(i)->text();
  }
  return all;
}

}  // namespace

TEST_CASE("an empty buffer hands out the shared empty text") {
  auto empty = newStr();
  REQUIRE(empty->text() != nullptr);
  CHECK(empty->text()[0] == 0);
  CHECK(empty->text() == newStr()->text());
}

TEST_CASE("split drops empty pieces") {
  struct Case {
    const char16_t* input;
    const char16_t* parts;
    std::uint32_t count;
  };
  const Case cases[] = {
      {u",a,,b,", u"a|b", 2},  {u"1024,3072,512", u"1024|3072|512", 3},
      {u"whole", u"whole", 1}, {u"", u"", 0},
      {u",,,", u"", 0},        {u"1024,3072,5", u"1024|3072|5", 3},
      {u"ab,c,", u"ab|c", 2},  {u"x", u"x", 1},
  };
  for (const Case& c : cases) {
    CAPTURE(std::u16string(c.input).size());
    auto parts = newStr(c.input)->split(u',');
    CHECK(parts->count() == c.count);
    CHECK(joined(*parts) == c.parts);
  }
}

TEST_CASE("isInteger accepts digits and one leading minus") {
  struct Case {
    const char16_t* input;
    bool integer;
  };
  const Case cases[] = {{u"", false},    {u"-5", true},   {u"-", false},  {u"5-", false},
                        {u"0042", true}, {u"12k", false}, {u" 1", false}, {u"+1", false}};
  for (const Case& c : cases) {
    CAPTURE(std::string(c.input, c.input + std::u16string(c.input).size()));
    CHECK(newStr(c.input)->isInteger() == c.integer);
  }
}

TEST_CASE("decimal conversion saturates instead of overflowing") {
  struct Case {
    const char16_t* input;
    std::int32_t value32;
    std::int64_t value64;
  };
  const Case cases[] = {
      {u"3072", 3072, 3072},
      {u"  -17xyz", -17, -17},
      {u"+9", 9, 9},
      {u"abc", 0, 0},
      {u"2147483647", 2147483647, 2147483647},
      {u"2147483648", 2147483647, 2147483648LL},
      {u"-2147483648", -2147483647 - 1, -2147483648LL},
      {u"-2147483649", -2147483647 - 1, -2147483649LL},
      {u"99999999999999999999999", 2147483647, 9223372036854775807LL},
      {u"-99999999999999999999999", -2147483647 - 1, -9223372036854775807LL - 1},
  };
  for (const Case& c : cases) {
    auto buffer = newStr(c.input);
    CAPTURE(buffer->length());
    CHECK(buffer->toInt32() == c.value32);
    CHECK(buffer->toInt64() == c.value64);
  }
  CHECK(newStr(u"2.5")->toFloat() == doctest::Approx(2.5));
}

TEST_CASE("findIgnoreCase finds any letter case and reports the first letter") {
  auto value = newStr(u"csrss.exe ObjectDirectory=\\Windows sharedSECTION=1024,3072,512");
  std::uint32_t at = 0;
  REQUIRE(value->findIgnoreCase(u"SharedSection=", &at));
  CHECK(at == 35);
  CHECK_FALSE(value->find(u"SharedSection=", &at));
  CHECK_FALSE(value->findIgnoreCase(u"SharedSection=", &at, 36));
  CHECK_FALSE(value->findIgnoreCase(u"", &at));
  CHECK_FALSE(newStr()->findIgnoreCase(u"a", &at));
  // A candidate that fails part-way must not hide a later match.
  auto tricky = newStr(u"aab");
  REQUIRE(tricky->findIgnoreCase(u"AB", &at));
  CHECK(at == 1);
}

TEST_CASE("backward searches: 0xFFFFFF means the end, -1 finds nothing") {
  auto buffer = newStr(u"a,b,c");
  std::uint32_t at = 0;
  REQUIRE(buffer->lastIndexOf(u',', &at, StrBuffer::kFromEnd));
  CHECK(at == 3);
  CHECK_FALSE(buffer->lastIndexOf(u',', &at, 0xFFFFFFFFu));
  REQUIRE(buffer->lastIndexOf(u',', &at, 3));
  CHECK(at == 1);
  CHECK_FALSE(newStr()->lastIndexOf(u',', &at));
  REQUIRE(buffer->findLast(u",c", &at));
  CHECK(at == 3);
  CHECK_FALSE(buffer->findLast(u",c", &at, 4));
  REQUIRE(newStr(u"xABxab")->findLastIgnoreCase(u"AB", &at));
  CHECK(at == 4);
  CHECK(text(*buffer->beforeLast(u',')) == u"a,b");
  CHECK(text(*buffer->beforeLast(u';')).empty());
  CHECK(text(*newStr(u"C:\\dir\\file")->beforeLastText(u"\\")) == u"C:\\dir");
}

TEST_CASE("compare orders by units, then the shorter first") {
  CHECK(newStr(u"a")->compare(newStr(u"ab").get()) == -1);
  CHECK(newStr(u"b")->compare(newStr(u"ab").get()) == 1);
  CHECK(newStr(u"ab")->compare(newStr(u"ab").get()) == 0);
  CHECK(newStr(u"ABC")->compareIgnoreCase(newStr(u"abc").get()) == 0);
  CHECK(newStr(u"abd")->compareIgnoreCase(newStr(u"ABC").get()) == 1);
  CHECK(newStr(u"Key")->equalsIgnoreCase(*newStr(u"kEY")));
  CHECK_FALSE(newStr(u"Key")->equals(*newStr(u"kEY")));
  CHECK(newStr(u"Key")->hashIgnoreCase() == newStr(u"KEY")->hashIgnoreCase());
  CHECK(newStr(u"ab")->hash() == ((u'a' << 1) ^ u'b'));
}

TEST_CASE("region tests and prefix and suffix checks") {
  auto buffer = newStr(u"HKEY_LOCAL_MACHINE\\Software");
  CHECK(buffer->startsWithIgnoreCase(u"hkey_local_machine"));
  CHECK_FALSE(buffer->startsWith(u"hkey"));
  CHECK(buffer->endsWith(u"ware"));
  CHECK(buffer->endsWithIgnoreCase(u"SOFTWARE"));
  CHECK_FALSE(newStr(u"ab")->endsWith(u"xab"));
  CHECK(buffer->regionMatches(19, u"Software", 0, StrBuffer::kAll));
  CHECK_FALSE(buffer->regionMatches(19, u"Soft", 0, StrBuffer::kAll));  // must reach the end
  CHECK(buffer->regionMatches(19, u"Soft", 0, 4));
  CHECK_FALSE(buffer->regionMatches(25, u"are", 0, 3));  // would run past the end
  CHECK(buffer->compareAt(19, u"Software") == 0);
  CHECK(buffer->compareAt(99, u"x") == -1);
  CHECK(buffer->compareAtIgnoreCase(19, u"SOFT", 0, 4) == 0);
}

TEST_CASE("trimming removes blanks of the default set or a given one") {
  auto buffer = newStr(u"\t \x3000value\r\n ");
  buffer->trimRight();
  CHECK(text(*buffer) == u"\t \x3000value");
  buffer->trimLeft();
  CHECK(text(*buffer) == u"value");
  auto keep = newStr(u"ab   ");
  keep->trimRightKeep(3);
  CHECK(text(*keep) == u"ab ");
  auto custom = newStr(u"xxaxx");
  custom->trimRight(u"x", StrBuffer::kAll);
  custom->trimLeft(u"x", 1);
  CHECK(text(*custom) == u"a");
  auto blanks = newStr(u"   ");
  blanks->trimRight();
  CHECK(blanks->length() == 0);
}

TEST_CASE("number appends and sets") {
  auto buffer = newStr(u"SharedSection=1024,");
  buffer->appendInt32(9216);
  CHECK(text(*buffer) == u"SharedSection=1024,9216");
  auto fresh = s::thread::obtain<StrBuffer>();
  fresh->appendInt32(-5);
  CHECK(fresh->capacity() >= 256);
  CHECK(text(*fresh) == u"-5");
  CHECK(text(newStr()->appendInt64(-9223372036854775807LL - 1)) == u"-9223372036854775808");
  CHECK(text(newStr()->appendUInt32(4294967295u)) == u"4294967295");
  CHECK(text(newStr()->appendInt8(-128)) == u"-128");
  CHECK(text(newStr()->appendUInt8(255)) == u"255");
  CHECK(text(newStr()->appendDouble(1.5)) == u"1.500000");
  CHECK(text(newStr(u"old")->setInt32(48)) == u"48");
  CHECK(newStr()->appendDouble(1e308).length() == 316);  // no overflow past the reserved room
}

TEST_CASE("hexadecimal formatting and parsing") {
  const std::uint8_t bytes[] = {0x0A, 0xFF};
  CHECK(text(newStr(u"x")->appendHex8(bytes, 2)) == u"x0aff");
  const std::uint16_t shorts[] = {0xBEEF};
  CHECK(text(newStr()->appendHex16(shorts, 1)) == u"beef");
  const std::uint32_t words[] = {1, 0xDEADBEEF};
  CHECK(text(newStr()->appendHex32(words, 2)) == u"00000001deadbeef");
  CHECK(text(newStr()->appendHex32Pairs(words, 1)) == u"00000001deadbeef");
  const std::uint64_t longs[] = {0x0123456789ABCDEFULL};
  CHECK(text(newStr(u"old")->setHex64(longs, 1)) == u"0123456789abcdef");

  CHECK(newStr(u"00aAfF")->isHex());
  CHECK_FALSE(newStr(u"0g")->isHex());
  CHECK_FALSE(newStr()->isHex());
  CHECK(newStr(u"F")->hexDigitAt(0) == 15);
  CHECK(newStr(u"z")->hexDigitAt(0) == 0);
  auto array = s::thread::obtain<s::col::_array::ArrayU08>();
  newStr(u"0aFf1")->hexToBytes(*array, false);
  REQUIRE(array->count() == 2);
  CHECK(array->at(0) == 0x0A);
  CHECK(array->at(1) == 0xFF);
}

TEST_CASE("replaceAll with equal, shorter and longer replacements") {
  struct Case {
    const char16_t* input;
    const char16_t* find;
    const char16_t* replacement;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"a-b-c", u"-", u"+", u"a+b+c"}, {u"a--b--c", u"--", u"", u"abc"},
      {u"xxAxx", u"xx", u"y", u"yAy"},  {u"a.b", u".", u"<dot>", u"a<dot>b"},
      {u"..", u".", u"::", u"::::"},    {u"none", u"z", u"zz", u"none"},
      {u"ab", u"abc", u"x", u"ab"},
  };
  for (const Case& c : cases) {
    auto buffer = newStr(c.input);
    buffer->replaceAll(c.find, c.replacement);
    CHECK(text(*buffer) == c.expected);
  }
  auto folded = newStr(u"One one ONE");
  folded->replaceAllIgnoreCase(u"one", u"1");
  CHECK(text(*folded) == u"1 1 1");
}

TEST_CASE("UTF-8 round trip and the array forms") {
  const char utf8[] = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A, e acute, euro, emoji
  auto buffer = newStr();
  CHECK(buffer->fromUtf8(utf8, false) == 5);
  CHECK(text(*buffer) == u"A\u00E9\u20AC\U0001F600");
  auto bytes = buffer->toUtf8();
  CHECK(bytes->count() == 11);  // ten bytes and the counted zero
  CHECK(bytes->at(10) == 0);
  CHECK(bytes->capacity() == 3 * 5 + 2);

  auto unterminated = s::thread::obtain<s::col::_array::ArrayU08>();
  unterminated->add('>');
  newStr(u"\u00E9")->toUtf8Unterminated(*unterminated, true);
  CHECK(unterminated->count() == 3);
  CHECK(unterminated->at(1) == 0xC3);
  CHECK(unterminated->items()[3] == 0);  // written after the data, not counted

  auto bad = newStr();
  bad->fromUtf8(
      "a\xFF"
      "b\xE2\x82",
      false);
  CHECK(text(*bad) == u"a\uFFFDb\uFFFD");
  auto lone = newStr(u"x");
  lone->appendChar(0xD800);
  CHECK(lone->toUtf8()->count() == 5);  // "x", U+FFFD, zero
  CHECK(newStr(u"x")->fromUtf8("yz", true) == 2);
}

TEST_CASE("case operations") {
  auto buffer = newStr(u"hELLO wORLD \u00C9\u0416");
  buffer->toUpper();
  CHECK(text(*buffer) == u"HELLO WORLD \u00C9\u0416");
  buffer->toLower();
  CHECK(text(*buffer) == u"hello world \u00E9\u0436");
  buffer->capitalize();
  CHECK(text(*buffer) == u"Hello world \u00E9\u0436");
  CHECK(newStr(u"a")->charAtUpper(0) == u'A');
  CHECK(newStr(u"\u00C9")->charAtLower(0) == 0xC9);  // ASCII folding only
}

TEST_CASE("substrings, ranges and clones are new buffers") {
  auto buffer = newStr(u"0123456789");
  CHECK(text(*buffer->substring(2, 5)) == u"234");
  CHECK(text(*buffer->substring(8)) == u"89");
  CHECK(buffer->substring(4, 4)->length() == 0);
  CHECK(text(*buffer->substring(7, 99)) == u"789");
  auto copy = buffer->clone();
  copy->keepRange(3, 6);
  CHECK(text(*copy) == u"345");
  CHECK(text(*buffer) == u"0123456789");
  buffer->insertFront(u"ab", 2);
  CHECK(text(*buffer) == u"ab0123456789");
  CHECK(buffer->reverse() == 6);
  CHECK(text(*buffer) == u"9876543210ba");
  buffer->appendStr(*buffer);
  CHECK(buffer->length() == 24);
  CHECK(text(*s::str::strbuffer::newPath(u"Software", u"Vexo")) == u"Software\\Vexo");
  CHECK(text(*s::str::strbuffer::newStr4(u"a", u"b", u"c", u"d")) == u"abcd");
  CHECK(text(newStr()->appendNarrowText("\x41\xE9")) == u"A\xFFE9");  // bytes sign-extend
}

TEST_CASE("words keeps each word once and may drop a last stop word") {
  auto words = newStr(u"Cats and dogs, CATS of-the world+1 and")->words(true);
  CHECK(joined(*words) == u"Cats|and|dogs|of-the|world+1");
  auto kept = newStr(u"tea and toast and")->words(false);
  CHECK(joined(*kept) == u"tea|and|toast");
  auto cjk = newStr(u"\u65E5\u672C\u3002\u8A9E")->words(false);
  CHECK(cjk->count() == 2);
}

TEST_CASE("text iterators") {
  auto buffer = newStr(u"abc");
  auto it = buffer->iterator();
  std::u16string walked;
  while (it->hasNext()) walked += *it->next();
  CHECK(walked == u"abc");
  auto end = buffer->iteratorAtEnd();
  CHECK(end->index() == 3);
  CHECK(*end->previous() == u'c');
  auto mid = buffer->iteratorAt(1);
  CHECK(mid->index() == 0);
  CHECK(*mid->next() == u'b');
  CHECK(buffer->iteratorFromEnd(1)->index() == 2);
}

TEST_CASE("text byte streams") {
  auto buffer = newStr(u"ab");
  char16_t unit = 0;
  std::uint32_t got = 0;
  CHECK(buffer->read(&unit, 2, &got));
  CHECK(unit == u'a');
  buffer->seekEnd();
  CHECK_FALSE(buffer->read(&unit, 2, &got));
  const char16_t more[] = u"cd";
  CHECK(buffer->write(more, 4));
  CHECK(text(*buffer) == u"abcd");
  buffer->seek(2);
  CHECK(buffer->write(u"X", 2));
  CHECK(text(*buffer) == u"aXcd");
}

TEST_CASE("growth keeps every unit through the policy's steps") {
  std::u16string expected;
  auto buffer = newStr();
  std::uint32_t capacities[5] = {};
  int steps = 0;
  for (int i = 0; expected.size() < 900; ++i) {
    auto unit = static_cast<char16_t>(u'a' + i % 26);
    buffer->appendChar(unit);
    expected += unit;
    if (steps == 0 || buffer->capacity() != capacities[steps - 1]) {
      REQUIRE(steps < 5);
      capacities[steps++] = buffer->capacity();
    }
    REQUIRE(buffer->data()[i] == unit);
  }
  CHECK(steps == 3);
  CHECK(capacities[0] == 100);
  CHECK(capacities[1] == 300);
  CHECK(capacities[2] == 900);
  // Full at 900: the next append grows it, and the units written one by one must survive.
  std::u16string more(1100, u'!');
  buffer->appendUnits(more.data(), 1100);
  expected += more;
  CHECK(buffer->capacity() == 2700);
  CHECK(text(*buffer) == expected);

  // A stream write past the end grows the storage under what was written before.
  buffer->seekEnd();
  std::u16string tail(2000, u'z');
  CHECK(buffer->write(tail.data(), 2 * 2000));
  CHECK(buffer->capacity() == 8100);
  CHECK(text(*buffer) == expected + tail);

  // An exact reserve also keeps the text, and the units beyond it the buffer wrote earlier.
  buffer->clear();
  buffer->reserveExact(9000);
  CHECK(buffer->capacity() == 9000);
  CHECK(std::u16string(buffer->data(), 4000) == expected + tail);
}

TEST_CASE("a released buffer keeps no storage, and a full text pool deletes") {
  auto& pool = s::thread::poolOf<StrBuffer>();
  StrBuffer* raw = nullptr;
  {
    auto buffer = newStr(u"some text");
    raw = buffer.get();
  }
  auto again = s::thread::obtain<StrBuffer>();
  CHECK(again.get() == raw);
  CHECK(again->capacity() == 0);
  CHECK(again->data() == nullptr);
  CHECK(pool.capacity() == 1000);
}

TEST_CASE("case-sensitive search finds a match at every offset of the word-wise scan") {
  // Matches before, inside and after each four-unit step, and in the tail.
  for (std::uint32_t length = 1; length <= 11; ++length) {
    for (std::uint32_t at = 0; at < length; ++at) {
      std::u16string text(length, u'a');
      text[at] = u'X';
      if (at + 1 < length) text[at + 1] = u'Y';
      std::uint32_t found = 99;
      CAPTURE(length);
      CAPTURE(at);
      auto buffer = newStr(text.c_str());
      REQUIRE(buffer->find(at + 1 < length ? u"XY" : u"X", &found));
      CHECK(found == at);
      CHECK_FALSE(buffer->find(u"Z", &found));
      // A unit whose low byte matches is not a match.
      CHECK_FALSE(newStr(u"\x0158\x5800")->find(u"X", &found));
    }
  }
}

TEST_CASE("ignore-case search finds either case at every offset of the word-wise scan") {
  for (std::uint32_t length = 1; length <= 11; ++length) {
    for (std::uint32_t at = 0; at < length; ++at) {
      CAPTURE(length);
      CAPTURE(at);
      for (char16_t letter : {u'x', u'X'}) {
        // Filler units one bit away from either case of the letter, and a non-letter pair.
        std::u16string text(length, static_cast<char16_t>(at % 2 == 0 ? 0x0158 : u'z'));
        text[at] = letter;
        if (at + 1 < length) text[at + 1] = u'@';
        std::uint32_t found = 99;
        auto buffer = newStr(text.c_str());
        REQUIRE(buffer->findIgnoreCase(at + 1 < length ? u"X@" : u"x", &found));
        CHECK(found == at);
      }
      // '@' and '`' differ only in the bit that separates a letter's cases: not a match.
      std::u16string punct(length, u'@');
      std::uint32_t found = 99;
      CHECK_FALSE(newStr(punct.c_str())->findIgnoreCase(u"`", &found));
      CHECK_FALSE(newStr(u"\x0158\x0178")->findIgnoreCase(u"x", &found));
    }
  }
}
