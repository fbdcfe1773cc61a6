#include <doctest/doctest.h>

#include <cstdint>
#include <initializer_list>

#include "s/base/Owned.h"
#include "s/gui/MessageBoxRules.h"
#include "s/str/strbuffer/StrBuffer.h"

using s::gui::messageBoxFlags;
using s::gui::MessageKind;
using s::gui::questionAnswer;

namespace {

constexpr std::int32_t kOk = 1;
constexpr std::int32_t kCancel = 2;
constexpr std::int32_t kYes = 6;
constexpr std::int32_t kNo = 7;

}  // namespace

TEST_CASE("each kind of message has its icon and buttons") {
  CHECK(messageBoxFlags(MessageKind::kInformation) == 64);
  CHECK(messageBoxFlags(MessageKind::kWarning) == 48);
  CHECK(messageBoxFlags(MessageKind::kError) == 16);
  CHECK(messageBoxFlags(MessageKind::kYesNo) == 36);
  CHECK(messageBoxFlags(MessageKind::kYesNoCancel) == 35);
  CHECK(s::gui::messageBoxModality(0) == 0);
  CHECK(s::gui::messageBoxModality(1) == 0x1000);
  CHECK(s::gui::messageBoxModality(2) == 0x2000);
  CHECK(s::gui::messageBoxModality(7) == 0);
}

TEST_CASE("a yes/no question is true only for yes") {
  bool yes = false;
  CHECK(questionAnswer(MessageKind::kYesNo, kYes, &yes));
  CHECK_FALSE(questionAnswer(MessageKind::kYesNo, kNo, &yes));
  CHECK_FALSE(questionAnswer(MessageKind::kYesNo, 0, &yes));
  CHECK_FALSE(yes);
}

TEST_CASE("the three-way question tells yes from no and leaves the flag alone on cancel") {
  bool yes = false;
  CHECK(questionAnswer(MessageKind::kYesNoCancel, kYes, &yes));
  CHECK(yes);
  CHECK(questionAnswer(MessageKind::kYesNoCancel, kNo, &yes));
  CHECK_FALSE(yes);

  for (const bool before : {true, false}) {
    for (const std::int32_t answer : {kCancel, 0}) {
      CAPTURE(before);
      CAPTURE(answer);
      yes = before;
      CHECK_FALSE(questionAnswer(MessageKind::kYesNoCancel, answer, &yes));
      CHECK(yes == before);
    }
  }
}

TEST_CASE("plain messages answer whether the box was shown") {
  CHECK(questionAnswer(MessageKind::kInformation, kOk, nullptr));
  CHECK_FALSE(questionAnswer(MessageKind::kError, 0, nullptr));
}

TEST_CASE("the caption is the program file's name without folder and extension") {
  struct Case {
    const char16_t* path;
    const char16_t* title;
  };
  const Case cases[] = {
      {u"C:\\Tools\\VexoOmbrel.exe", u"VexoOmbrel"},
      {u"C:\\Tools\\my.tool.v2.exe", u"my.tool.v2"},
      {u"Z:/work/build/s_win_tests.exe", u"s_win_tests"},
      {u"C:\\dotted.dir\\program", u"program"},
      {u"C:program.exe", u"program"},
      {u"plain", u"plain"},
      {u"C:\\Tools\\.exe", u".exe"},
      {u"C:\\Tools\\", u""},
      {u"", u""},
  };
  s::base::Owned<s::str::strbuffer::StrBuffer> title = s::str::strbuffer::newStr();
  for (const Case& c : cases) {
    s::gui::programTitleOf(c.path, *title);
    CHECK(title->equals(*s::str::strbuffer::newStr(c.title)));
  }
  s::gui::programTitleOf(nullptr, *title);
  CHECK(title->isEmpty());
}
