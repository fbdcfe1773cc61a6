#include <doctest/doctest.h>

#include <string>

#include "app/HeapEditor.h"

using app::RewriteSharedSection;
using s::str::strbuffer::newStr;

namespace {

std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST_CASE("the second number of the first SharedSection clause is replaced") {
  struct Case {
    const char16_t* value;
    std::int32_t newSecond;
    std::int32_t oldSecond;
    const char16_t* result;
  };
  const Case cases[] = {
      // The worked example.
      {u"%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,3072,512 "
       u"Windows=On SubSystemType=Windows",
       9216, 3072,
       u"%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,9216,512 "
       u"Windows=On SubSystemType=Windows"},
      {u"SharedSection=1024,3072,512", 9216, 3072, u"SharedSection=1024,9216,512"},
      {u"a sharedsection=1024,3072,512 b", 9216, 3072, u"a sharedsection=1024,9216,512 b"},
      {u"SharedSection=1024,,3072,512", 9216, 3072, u"SharedSection=1024,9216,512"},
      {u",SharedSection=1024,3072,512,", 1, 3072, u",SharedSection=1024,1,512"},
      {u"SharedSection=,1024,3072,512", 1, 3072, u"SharedSection=1024,1,512"},
      {u"SharedSection=1024,-1,512", 3072, -1, u"SharedSection=1024,3072,512"},
      {u"SharedSection=1,2,3 SharedSection=4,5,6", 9, 2,
       u"SharedSection=1,9,3 SharedSection=4,5,6"},
      // Pieces 1 and 3 are copied as they are; the new number is plain decimal.
      {u"SharedSection=0010,0042,-007 x", -5, 42, u"SharedSection=0010,-5,-007 x"},
      {u"SharedSection=-2147483648,2147483647,0", -2147483647 - 1, 2147483647,
       u"SharedSection=-2147483648,-2147483648,0"},
      // Only a space ends the clause: the tab after it stays, the text after the space too.
      {u"SharedSection=1,2,3\t", 7, 2, nullptr},
      {u"SharedSection=1,2,3  two spaces", 7, 2, u"SharedSection=1,7,3  two spaces"},
  };
  for (const Case& c : cases) {
    CAPTURE(narrow(c.value));
    app::SharedSectionRewrite rewrite = RewriteSharedSection(*newStr(c.value), c.newSecond);
    if (c.result == nullptr) {
      CHECK_FALSE(rewrite.ok);
      continue;
    }
    REQUIRE(rewrite.ok);
    CHECK(rewrite.oldSecond == c.oldSecond);
    CHECK(std::u16string(rewrite.newValue->text()) == c.result);
  }
}

TEST_CASE("a clause that cannot be understood is not rewritten") {
  const char16_t* const values[] = {
      u"",
      u"Windows=On SubSystemType=Windows",
      u"SharedSection= Windows=On",
      u"SharedSection=",
      u"SharedSection=1024,3072 Windows=On",
      u"SharedSection=1024,3072,512,4 Windows=On",
      u"SharedSection=1024,3072,512k",
      u"SharedSection=1024,+3072,512",
      u"SharedSection=1024,-,512",
      u"SharedSection=1024,3072,512\tWindows=On",
      u"Shared Section=1024,3072,512",
      // Beyond the signed 32-bit range: reading would saturate, and an undo would write it back.
      u"SharedSection=1024,2147483648,512",
      u"SharedSection=1024,3072,-2147483649",
      u"SharedSection=99999999999999999999,3072,512",
  };
  for (const char16_t* value : values) {
    CAPTURE(narrow(value));
    CHECK_FALSE(RewriteSharedSection(*newStr(value), 9216).ok);
    CHECK_FALSE(app::ReadSharedSection(*newStr(value)).ok);
  }
}

TEST_CASE("the numbers read are those of the clause a rewrite would change") {
  struct Case {
    const char16_t* value;
    std::int32_t numbers[3];
  };
  const Case cases[] = {
      {u"csrss.exe SharedSection=1024,3072,512 Windows=On", {1024, 3072, 512}},
      {u"SharedSection=1,2,3 SharedSection=4,5,6", {1, 2, 3}},
      {u"SHAREDSECTION=,0010,-7,,2147483647,", {10, -7, 2147483647}},
  };
  for (const Case& c : cases) {
    CAPTURE(narrow(c.value));
    app::SharedSectionNumbers read = app::ReadSharedSection(*newStr(c.value));
    REQUIRE(read.ok);
    CHECK(read.numbers[0] == c.numbers[0]);
    CHECK(read.numbers[1] == c.numbers[1]);
    CHECK(read.numbers[2] == c.numbers[2]);
    CHECK(RewriteSharedSection(*newStr(c.value), 0).oldSecond == c.numbers[1]);
  }
}
