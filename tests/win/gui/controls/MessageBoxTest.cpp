#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/gui/win/MessageBoxW.h"
#include "s/thread/Pool.h"
#include "support/win/MessageBoxWatcher.h"

using support::MessageBoxWatcher;

namespace {

// This test program's file name without its extension: the caption every box must carry.
std::wstring expectedCaption() {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace

TEST_CASE("an information message shows its text under the program's name with an OK button") {
  MessageBoxWatcher watcher(GetCurrentThreadId(), IDOK);
  s::gui::win::showInformationMessage(u"Operation Successful!\nPlease restart your computer now.");
  REQUIRE(watcher.finish());
  CHECK(watcher.caption == expectedCaption());
  CHECK(watcher.caption.find(L".exe") == std::wstring::npos);
  CHECK(watcher.text == L"Operation Successful!\nPlease restart your computer now.");
  CHECK(watcher.hasOk);
  CHECK_FALSE(watcher.hasYes);
}

TEST_CASE("the yes/no question answers what the user pressed") {
  for (const int pressed : {IDYES, IDNO}) {
    CAPTURE(pressed);
    MessageBoxWatcher watcher(GetCurrentThreadId(), pressed);
    const bool answer = s::gui::win::askYesNoQuestion(u"Go on?");
    REQUIRE(watcher.finish());
    CHECK(answer == (pressed == IDYES));
    CHECK(watcher.text == L"Go on?");
    CHECK(watcher.hasYes);
    CHECK(watcher.hasNo);
    CHECK_FALSE(watcher.hasCancel);
  }
}

TEST_CASE("the three-way question keeps the yes flag when cancelled") {
  struct Case {
    int pressed;
    bool before;
    bool answer;
    bool yesAfter;
  };
  const Case cases[] = {
      {IDYES, false, true, true},
      {IDNO, true, true, false},
      {IDCANCEL, true, false, true},
      {IDCANCEL, false, false, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.pressed);
    CAPTURE(c.before);
    s::base::Owned<s::gui::win::MessageBoxW> box = s::thread::obtain<s::gui::win::MessageBoxW>();
    MessageBoxWatcher watcher(GetCurrentThreadId(), c.pressed);
    bool yes = c.before;
    CHECK(box->askYesNoCancel(u"Save first?", &yes) == c.answer);
    REQUIRE(watcher.finish());
    CHECK(yes == c.yesAfter);
    CHECK(watcher.hasCancel);
    CHECK(box->text().equals(*s::str::strbuffer::newStr(u"Save first?")));
  }
}

TEST_CASE("warning and error boxes are shown and answered like information") {
  s::base::Owned<s::gui::win::MessageBoxW> box = s::thread::obtain<s::gui::win::MessageBoxW>();
  {
    MessageBoxWatcher watcher(GetCurrentThreadId(), IDOK);
    CHECK(box->warning(u"Careful"));
    REQUIRE(watcher.finish());
    CHECK(watcher.text == L"Careful");
  }
  {
    MessageBoxWatcher watcher(GetCurrentThreadId(), IDOK);
    box->useTaskModal();
    CHECK(box->error(u"Broken"));
    REQUIRE(watcher.finish());
    CHECK(watcher.text == L"Broken");
    CHECK(watcher.caption == expectedCaption());
  }
}
