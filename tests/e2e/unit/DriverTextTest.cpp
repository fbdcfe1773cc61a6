// The driver's reading of steps and its byte comparisons: a mistake here would make an
// end-to-end check pass or fail for the wrong reason.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "Bytes.h"
#include "Step.h"
#include "Text.h"

using e2e::Bytes;
using e2e::Step;

namespace {

Step parsed(const std::string& line) {
  Step step;
  std::string error;
  REQUIRE_MESSAGE(e2e::parseStepLine(line, &step, &error), error);
  return step;
}

std::u16string textOf(const Step& step, const std::string& key) {
  std::u16string text;
  std::string error;
  REQUIRE_MESSAGE(step.text(key, &text, &error), error);
  return text;
}

}  // namespace

TEST_CASE("a script line splits into a verb, key=value pairs and bare words") {
  Step step =
      parsed("  click exe=e2e_standin.exe control=\"Increase it Now!\" at=3,4 \"a=b\" plain  ");
  CHECK(step.verb == "click");
  REQUIRE(step.args.size() == 5);
  CHECK(*step.raw("exe") == "e2e_standin.exe");
  CHECK(textOf(step, "control") == u"Increase it Now!");
  int x = 0;
  int y = 0;
  std::string error;
  CHECK(step.point("at", &x, &y, &error));
  CHECK(x == 3);
  CHECK(y == 4);
  // An equals sign inside quotes, or after something that is no key, is part of a bare word.
  CHECK(step.words() == std::vector<std::string>{"a=b", "plain"});
  CHECK(parsed("expect \"text=x\"").words() == std::vector<std::string>{"text=x"});
  CHECK(parsed("expect A=b").words() == std::vector<std::string>{"A=b"});
}

TEST_CASE("quotes keep escaped quotes and backslashes for the text escapes") {
  Step step = parsed(R"(msgbox text="say \"hi\"\r\nC:\\dir" key="HKCU\Software\trial")");
  CHECK(textOf(step, "text") == u"say \"hi\"\r\nC:\\dir");
  // A key path is read raw: "\t" in "\trial" stays a backslash and a t.
  CHECK(*step.raw("key") == R"(HKCU\Software\trial)");
  CHECK(parsed(R"(x text="ends with \\")").raw("text")->back() == '\\');
}

TEST_CASE("comments, blank lines and broken quotes") {
  CHECK(parsed("   # click control=x").verb.empty());
  CHECK(parsed("").verb.empty());
  CHECK(parsed("key vk=return # not a comment here").words().front() == "#");
  Step step;
  std::string error;
  CHECK_FALSE(e2e::parseStepLine("click control=\"open", &step, &error));
  CHECK(error == "unterminated quote");
}

TEST_CASE("words from a shell keep their own spaces and are split at the first equals sign") {
  Step step = e2e::stepFromWords({"reg-expect", "key=HKLM\\A B", "text=x=y", "=z", "-v"});
  CHECK(step.verb == "reg-expect");
  CHECK(*step.raw("key") == "HKLM\\A B");
  CHECK(*step.raw("text") == "x=y");
  CHECK(step.words() == std::vector<std::string>{"=z", "-v"});
}

TEST_CASE("a misspelt key stops the step") {
  Step step = parsed("click contrl=OK timeout=5");
  std::string error;
  CHECK_FALSE(step.onlyKeys({"control", "timeout"}, &error));
  CHECK(error == "click does not take contrl=");
  CHECK(parsed("click control=OK").onlyKeys({"control"}, &error));
}

TEST_CASE("numbers are decimal or 0x hexadecimal and nothing else") {
  struct Case {
    const char* text;
    bool ok;
    std::int64_t value;
  };
  const Case cases[] = {
      {"96", true, 96}, {"0x60", true, 96},
      {"-5", true, -5}, {"0X1f", true, 31},
      {"", false, 0},   {"12a", false, 0},
      {"0x", false, 0}, {"--1", false, 0},
      {" 1", false, 0}, {"99999999999999999999", false, 0},
  };
  for (const Case& item : cases) {
    CAPTURE(item.text);
    std::int64_t value = 0;
    CHECK(e2e::parseInteger(item.text, &value) == item.ok);
    if (item.ok) CHECK(value == item.value);
  }
  Step step = parsed("wait timeout=soon");
  std::string error;
  std::int64_t value = 0;
  CHECK_FALSE(step.integer("timeout", 1, &value, &error));
  CHECK(parsed("wait").integer("timeout", 7, &value, &error));
  CHECK(value == 7);
}

TEST_CASE("escaped output reads back as the same text") {
  const std::u16string texts[] = {
      u"Operation Successful!\r\nPlease restart your computer now.",
      u"quote \" and backslash \\ and tab \t",
      u"\u0412\u044b\u0433\u043b\u044f\u0434 \u00e9 \U0001F600",
      std::u16string(u"nul\0inside\x01", 11),
  };
  for (const std::u16string& text : texts) {
    std::string escaped = e2e::escapeText(text);
    CAPTURE(escaped);
    CHECK(escaped.find('\n') == std::string::npos);
    CHECK(escaped.find('\r') == std::string::npos);
    REQUIRE(escaped.size() >= 2);
    std::u16string back;
    CHECK(e2e::unescapeText(escaped.substr(1, escaped.size() - 2), &back));
    CHECK(back == text);
  }
  CHECK(e2e::escapeText(u"a\x01") == "\"a\\u0001\"");
  std::u16string out;
  CHECK_FALSE(e2e::unescapeText("\\u12", &out));
  CHECK_FALSE(e2e::unescapeText("\\u12g4", &out));
  CHECK(e2e::unescapeText("C:\\Windows\\System32\\", &out));
  CHECK(out == u"C:\\Windows\\System32\\");
}

TEST_CASE("broken UTF-8 becomes replacement characters, not lost or merged text") {
  CHECK(e2e::fromUtf8("a\xC3") == u"a\uFFFD");
  CHECK(e2e::fromUtf8("\xE2\x82x") == u"\uFFFD\uFFFDx");
  CHECK(e2e::fromUtf8("\xC3\xA9") == u"\u00e9");
  CHECK(e2e::toUtf8(e2e::fromUtf8("\xF0\x9F\x98\x80")) == "\xF0\x9F\x98\x80");
}

TEST_CASE("labels are compared as the user reads them") {
  CHECK(e2e::withoutMnemonics(u"&Easy Drag") == u"Easy Drag");
  CHECK(e2e::withoutMnemonics(u"Fish && Chips") == u"Fish & Chips");
  CHECK(e2e::withoutMnemonics(u"Open&") == u"Open&");
  CHECK(e2e::menuLabel(u"Say &Hello\tCtrl+H") == u"Say Hello");
  CHECK(e2e::equalsIgnoreCase(u"BUTTON", u"Button"));
  CHECK_FALSE(e2e::equalsIgnoreCase(u"Button", u"Buttons"));
}

TEST_CASE(
    "expected registry bytes: strings carry their terminating zero, numbers are little-endian") {
  CHECK(e2e::toHex(e2e::utf16Bytes(u"A\u0416", true)) == "410016040000");
  CHECK(e2e::toHex(e2e::utf16Bytes(u"A", false)) == "4100");
  CHECK(e2e::toHex(e2e::littleEndian(96, 4)) == "60000000");
  CHECK(e2e::toHex(e2e::littleEndian(0x0102030405060708ull, 8)) == "0807060504030201");
  std::uint64_t number = 0;
  CHECK(e2e::numberOfBytes(e2e::littleEndian(9216, 4), &number));
  CHECK(number == 9216);
  CHECK_FALSE(e2e::numberOfBytes(Bytes{1, 2, 3}, &number));
  CHECK(e2e::textOfBytes(e2e::utf16Bytes(u"x y", true)) == u"x y");
  CHECK(e2e::textOfBytes(Bytes{0x41, 0x00, 0x42}) == u"A");
}

TEST_CASE("hex is read in pairs, blanks allowed between them") {
  Bytes bytes;
  CHECK(e2e::fromHex("60 00 00 00", &bytes));
  CHECK(bytes == Bytes{0x60, 0, 0, 0});
  CHECK(e2e::fromHex("aBcD", &bytes));
  CHECK(bytes == Bytes{0xAB, 0xCD});
  CHECK(e2e::fromHex("", &bytes));
  CHECK(bytes.empty());
  for (const char* bad : {"6", "600", "6 0", "zz", "0x60"}) {
    CAPTURE(bad);
    CHECK_FALSE(e2e::fromHex(bad, &bytes));
  }
}

TEST_CASE("registry types by name, short name or number") {
  std::uint32_t type = 0;
  CHECK(e2e::registryTypeOf("REG_EXPAND_SZ", &type));
  CHECK(type == 2);
  CHECK(e2e::registryTypeOf("dword", &type));
  CHECK(type == 4);
  CHECK(e2e::registryTypeOf("11", &type));
  CHECK(e2e::registryTypeName(type) == "REG_QWORD");
  CHECK(e2e::registryTypeName(42) == "42");
  CHECK_FALSE(e2e::registryTypeOf("REG_TEXT", &type));
  CHECK_FALSE(e2e::registryTypeOf("", &type));
}

TEST_CASE("the first difference of two byte strings, and a description to find it by") {
  Bytes stock = e2e::utf16Bytes(u"SharedSection=1024,3072,512", true);
  Bytes changed = e2e::utf16Bytes(u"SharedSection=1024,9216,512", true);
  CHECK(e2e::firstDifference(stock, stock) == -1);
  CHECK(e2e::firstDifference(stock, changed) == 2 * 19);
  Bytes shorter(stock.begin(), stock.end() - 2);
  CHECK(e2e::firstDifference(stock, shorter) == static_cast<std::int64_t>(shorter.size()));
  CHECK(e2e::firstDifference(Bytes{}, Bytes{}) == -1);

  std::string described = e2e::describeDifference(stock, changed);
  CAPTURE(described);
  CHECK(described.rfind("at byte 38 (of 56 expected, 56 found): expected ...", 0) == 0);
  CHECK(described.find("3300") != std::string::npos);  // the '3' of 3072
  CHECK(described.find("3900") != std::string::npos);  // the '9' of 9216
  CHECK(e2e::describeDifference(Bytes{1}, Bytes{}).find("found (nothing)") != std::string::npos);
  CHECK(e2e::describeDifference(stock, stock) == "the same");
}
