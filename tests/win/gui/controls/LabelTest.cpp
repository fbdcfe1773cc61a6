#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "ControlTestKit.h"
#include "s/base/Owned.h"
#include "s/gui/win/Label.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/win/Cursor.h"
#include "support/win/TestWindow.h"
#include "support/win/WindowEvents.h"

using namespace controls_test;
using s::gui::win::Label;
using support::EventLog;
using support::TestWindow;
using support::waitFor;

namespace {

int heard(const EventLog& log) { return static_cast<int>(log.codes().size()); }

std::u16string textOf(const Label& label) { return std::u16string(label.text().text()); }

Label* addLabel(TestWindow& test, const char16_t* text) {
  auto* label = s::thread::takeFromPool<Label>();
  label->setText(text, false);
  test.root().addChild(label);
  test.root().relayout();
  return label;
}

// Whether the window waits to be painted.
bool paintPending(HWND window) {
  RECT update{};
  return GetUpdateRect(window, &update, FALSE) != 0;
}

}  // namespace

TEST_CASE("setting a label's text answers whether it changed and repaints only then") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  Label* label = addLabel(test, u"Ready");
  REQUIRE(handleOf(label) != nullptr);
  test.settle();
  // On the UI thread, so that no paint can happen between the change and the look.
  struct Steps {
    Label* label;
    bool pendingAtStart, sameAnswer, pendingAfterSame, changedAnswer, pendingAfterChange;
  } steps{label, true, true, true, false, false};
  test.runOnUiThread(
      [](void* argument) {
        auto* s = static_cast<Steps*>(argument);
        HWND window = handleOf(s->label);
        // Uncovered by an earlier test's window closing, it may still wait for a paint.
        UpdateWindow(window);
        s->pendingAtStart = paintPending(window);
        s->sameAnswer = s->label->setText(u"Ready", true);
        s->pendingAfterSame = paintPending(window);
        s->changedAnswer = s->label->setText(u"Working", true);
        s->pendingAfterChange = paintPending(window);
      },
      &steps);
  REQUIRE_FALSE(steps.pendingAtStart);
  CHECK_FALSE(steps.sameAnswer);
  CHECK_FALSE(steps.pendingAfterSame);
  CHECK(steps.changedAnswer);
  CHECK(steps.pendingAfterChange);
  CHECK(textOf(*label) == u"Working");
  // From another thread the text is set on the UI thread all the same.
  CHECK_FALSE(label->setText(u"Working", true));
  CHECK(label->setText(u"Done", false));
  CHECK(textOf(*label) == u"Done");
}

TEST_CASE("a label sizes itself to its text with its font") {
  TestWindow test(60, 60, 300, 60);
  REQUIRE(test.window() != nullptr);
  Label* label = addLabel(test, u"Ready");
  const int readyWidth = label->preferredWidth();
  const int readyHeight = label->preferredHeight();
  CHECK(readyWidth > 0);
  CHECK(readyHeight > 0);
  label->setText(u"Ready, and much more to say", true);
  CHECK(label->preferredWidth() > readyWidth);
  label->setText(u"Ready", true);
  CHECK(label->preferredWidth() == readyWidth);
  label->setFontSizeCode(112);
  CHECK(label->preferredHeight() > readyHeight);
  // 100001 is the small 8-point status font.
  label->setFontSizeCode(100001);
  CHECK(label->preferredHeight() < readyHeight + 1);
  CHECK(label->baseFont().logFont().lfWeight == FW_NORMAL);
}

TEST_CASE("a temporary text set twice brings back the text from before the first") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  Label* label = addLabel(test, u"Ready");
  label->setTemporaryText(u"Saved", 300);
  CHECK(textOf(*label) == u"Saved");
  CHECK(label->showsTemporaryText());
  label->setTemporaryText(u"Saved again", 100);
  CHECK(textOf(*label) == u"Saved again");
  REQUIRE(waitFor([&] { return !label->showsTemporaryText(); }));
  CHECK(textOf(*label) == u"Ready");

  // A text of its own replaces a temporary one for good.
  label->setTemporaryText(u"Saved", 50);
  label->setText(u"Busy", true);
  Sleep(150);
  test.settle();
  CHECK(textOf(*label) == u"Busy");
  CHECK_FALSE(label->showsTemporaryText());
}

TEST_CASE("a plain label lets the mouse through; a link takes it and clicks on release inside") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Label* label = addLabel(test, u"vexo and some more text");
  label->addClickListener(&log);
  const POINT centre = screenCentreOf(label);
  CHECK(hitTestAt(label, centre) == HTTRANSPARENT);
  const int downs = test.root().leftButtonDowns;
  clickAt(centre);
  REQUIRE(waitFor([&] { return test.root().leftButtonDowns > downs; }));
  CHECK(heard(log) == 0);

  label->setLinkMode(true);
  label->stateFont(2).setTextColour(51, 51, 51);
  label->stateFont(3).setTextColour(0, 0, 238);
  CHECK(label->stateFont(2).logFont().lfUnderline != 0);
  CHECK(label->stateFont(4).logFont().lfUnderline != 0);
  CHECK(label->baseFont().logFont().lfUnderline == 0);
  CHECK(hitTestAt(label, centre) == HTCLIENT);
  moveTo(centre);
  REQUIRE(waitFor([&] { return label->hoverState() == 1; }));
  clickAt(centre);
  REQUIRE(waitFor([&] { return heard(log) == 1; }));
  CHECK(log.codes()[0] == Label::kClick);

  // Pressed inside, released outside: no click.
  pressAt(centre);
  REQUIRE(waitFor([&] { return label->hoverState() == 2; }));
  releaseAt(POINT{10, 10});
  test.settle();
  CHECK(heard(log) == 1);
  // The mouse goes on moving out there (under Wine's desktop the first moves after a release
  // may still report the press's place).
  int step = 0;
  CHECK(waitFor([&] {
    moveTo(POINT{10 + step++ % 4, 10});
    return label->hoverState() == 0;
  }));
  moveAway();
}

TEST_CASE("a hovered link in a window that is not in front lets go when the mouse leaves") {
  // Such a window hears no mouse beyond its own area, capture or not.
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  Label* label = addLabel(test, u"vexo and some more text");
  label->setLinkMode(true);
  REQUIRE(GetForegroundWindow() != test.window());
  moveTo(screenCentreOf(label));
  REQUIRE(waitFor([&] { return label->hoverState() == 1; }));
  REQUIRE(support::putCursorAt(POINT{900, 800}, GetDesktopWindow()));
  CHECK(waitFor([&] { return label->hoverState() == 0; }));
  GUITHREADINFO held{};
  held.cbSize = sizeof held;
  REQUIRE(GetGUIThreadInfo(test.threadId(), &held));
  CHECK(held.hwndCapture == nullptr);
}

TEST_CASE("a label with a text entry shows the entry in the current language and follows it") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  s::base::Owned<s::lang::Localizer> localizer = s::lang::createLocalizerFromText(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
      u"<entry tagName=\"ger\" engName=\"German\"/></languages><entries>"
      u"<entry id=\"101\"><eng>Ready</eng><ger>Bereit</ger></entry></entries></lang>");
  s::lang::selectLanguageAt(*localizer, 0);
  auto* label = s::thread::takeFromPool<Label>();
  label->setTextEntryId(101);
  // No localizer yet: an entry shows nothing.
  CHECK(label->text().isEmpty());
  label->setLocalizer(localizer.get());
  CHECK(textOf(*label) == u"Ready");
  test.root().addChild(label);
  s::lang::selectLanguageAt(*localizer, 1);
  CHECK(textOf(*label) == u"Bereit");
  CHECK(label->textEntryId() == 101);

  // Released, the label no longer follows the language.
  const std::uint32_t before = localizer->listenerCount();
  test.root().removeAllChildren();
  CHECK(localizer->listenerCount() == before - 1);
  s::lang::selectLanguageAt(*localizer, 0);
}
