// The controls the program does not use: check box, radio buttons, slider, text field, group
// box. The shared behaviour, driven as a user would.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ControlTestKit.h"
#include "s/gui/Box.h"
#include "s/gui/events/UnEditabler.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/GroupBox.h"
#include "s/gui/win/RadioButton.h"
#include "s/gui/win/Slider.h"
#include "s/gui/win/TextField.h"
#include "s/thread/Pool.h"
#include "support/win/TestWindow.h"
#include "support/win/WindowEvents.h"

using namespace controls_test;
using support::EventLog;
using support::TestWindow;
using support::waitFor;

TEST_CASE("a check box ticks and unticks on real clicks, telling click then changed") {
  TestWindow test(60, 60, 230, 80);
  REQUIRE(test.window() != nullptr);
  auto* check = s::thread::takeFromPool<s::gui::win::CheckBox>();
  check->setText(u"Keep on Top");
  EventLog log;
  check->addClickListener(&log);
  check->addChangedListener(&log);
  test.root().addChild(check);
  test.root().relayout();
  REQUIRE(handleOf(check) != nullptr);
  // Sized to its caption and mark.
  CHECK(check->preferredWidth() > check->markSize());
  CHECK(check->preferredHeight() >= check->markSize());
  const POINT centre = screenCentreOf(check);
  CHECK(hitTestAt(check, centre) == HTCLIENT);

  clickAt(centre);
  REQUIRE(waitFor([&] { return log.count(2) == 1; }));
  CHECK(log.codes() == std::vector<std::int32_t>{1, 2});
  CHECK(check->isChecked());
  clickAt(centre);
  REQUIRE(waitFor([&] { return log.count(2) == 2; }));
  CHECK_FALSE(check->isChecked());
  moveAway();
}

TEST_CASE(
    "choosing a radio button clears the others of its group; choosing it again does nothing") {
  TestWindow test(60, 60, 230, 80);
  REQUIRE(test.window() != nullptr);
  auto* row = s::thread::takeFromPool<s::gui::win::Box>();
  row->setModeRow();
  row->setSize100Percent();
  s::gui::win::RadioButton* radios[2];
  EventLog log;
  for (auto*& radio : radios) {
    radio = s::thread::takeFromPool<s::gui::win::RadioButton>();
    radio->setText(u"Choice");
    radio->addChangedListener(&log);
    row->addChild(radio);
  }
  radios[0]->setChecked(true);
  test.root().addChild(row);
  test.root().relayout();
  clickAt(screenCentreOf(radios[1]));
  REQUIRE(waitFor([&] { return log.count(2) == 1; }));
  CHECK(radios[1]->isChecked());
  CHECK_FALSE(radios[0]->isChecked());
  clickAt(screenCentreOf(radios[1]));
  test.settle();
  Sleep(50);
  CHECK(log.count(2) == 1);
  CHECK(radios[1]->isChecked());
  moveAway();
}

TEST_CASE("a slider follows a press and a drag, within its range") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  auto* slider = s::thread::takeFromPool<s::gui::win::Slider>();
  slider->setFixedWidth(106);
  slider->setFixedHeight(15);
  slider->setRange(0, 100);
  EventLog log;
  slider->addChangedListener(&log);
  test.root().addChild(slider);
  test.root().relayout();
  REQUIRE(handleOf(slider) != nullptr);
  pressAt(screenPointOf(slider, 53, 7));
  REQUIRE(waitFor([&] { return slider->value() == 50; }));
  CHECK(log.count(2) == 1);
  // Dragged past the end and let go there.
  releaseAt(screenPointOf(slider, 300, 7));
  REQUIRE(waitFor([&] { return slider->value() == 100; }));
  test.settle();
  slider->setValue(250);
  CHECK(slider->value() == 100);
  slider->setRange(10, 20);
  CHECK(slider->value() == 20);
  moveAway();
}

TEST_CASE("a text field tells the user's changes, not the program's, and can be made read-only") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  auto* field = s::thread::takeFromPool<s::gui::win::TextField>();
  field->setText(u"first");
  EventLog log;
  field->addChangedListener(&log);
  test.root().addChild(field);
  test.root().relayout();
  HWND edit = handleOf(field);
  REQUIRE(edit != nullptr);
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  CHECK(std::wstring(text) == L"first");
  field->setText(u"second");
  test.settle();
  CHECK(log.count(2) == 0);
  // What typing does: a replaced selection.
  SendMessageW(edit, EM_SETSEL, 6, 6);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"!"));
  REQUIRE(waitFor([&] { return log.count(2) == 1; }));
  CHECK(std::u16string(field->currentText().text()) == u"second!");

  // The ready-made listeners switch it.
  s::base::Owned<s::gui::events::UnEditabler> toReadOnly =
      s::thread::obtain<s::gui::events::UnEditabler>();
  toReadOnly->setTriggerSource(field);
  toReadOnly->addTarget(field);
  toReadOnly->event(field, 0);
  CHECK((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0);
  CHECK_FALSE(field->isEditable());
  field->setEditable(true);
  CHECK((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0);
}

TEST_CASE("a group box keeps its children inside its frame, below its caption") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  auto* group = s::thread::takeFromPool<s::gui::win::GroupBox>();
  group->setText(u"Options");
  group->setWidthPercentage(100, false);
  group->setHeightPercentage(100, false);
  auto* check = s::thread::takeFromPool<s::gui::win::CheckBox>();
  check->setText(u"Inside");
  group->addChild(check);
  test.root().addChild(group);
  test.root().relayout();
  REQUIRE(handleOf(check) != nullptr);
  RECT place{};
  GetWindowRect(handleOf(check), &place);
  MapWindowPoints(nullptr, handleOf(group), reinterpret_cast<POINT*>(&place), 2);
  CHECK(place.left == group->leftMargin());
  CHECK(place.top == group->topMargin());
  CHECK(group->topMargin() > group->leftMargin());
  CHECK(hitTestAt(group, screenPointOf(group, 2, 100)) == HTTRANSPARENT);
}
