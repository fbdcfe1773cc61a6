// Controls in the program's own top-level window: texts through the window's localizer, the
// status bar at the bottom, and clicks on labels reaching the window.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "ControlTestKit.h"
#include "s/gui/Box.h"
#include "s/gui/IWindow.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/StatusBar.h"
#include "s/gui/win/Window.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/win/WindowEvents.h"

using namespace controls_test;
using s::gui::win::Button;
using s::gui::win::Label;
using s::gui::win::Window;
using support::EventLog;
using support::eventually;

namespace {

constexpr char16_t kDocument[] =
    u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
    u"<entry tagName=\"ger\" engName=\"German\"/></languages><entries>"
    u"<entry id=\"1002000\"><eng>Increase it Now!</eng><ger>Jetzt erhoehen!</ger></entry>"
    u"<entry id=\"101\"><eng>Ready</eng><ger>Bereit</ger></entry></entries></lang>";

std::wstring windowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

s::base::Owned<Window> shownWindow(int width, int height) {
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  window->setBounds(80, 80, width, height);
  window->show(true, false);
  return window;
}

}  // namespace

TEST_CASE("in a window, entry texts come from the window's localizer and follow its language") {
  s::base::Owned<s::lang::Localizer> localizer = s::lang::createLocalizerFromText(kDocument);
  s::lang::selectLanguageAt(*localizer, 0);
  auto window = shownWindow(300, 200);
  window->setLocalizer(localizer.get());

  // Configured before they are in the tree, as the tool window does it.
  auto* button = s::thread::takeFromPool<Button>();
  button->setTextEntryId(1002000);
  button->setWidthPercentage(100);
  button->setFixedHeight(40);
  auto* label = s::thread::takeFromPool<Label>();
  label->setTextEntryId(101);
  CHECK(label->text().isEmpty());
  window->addChild(button);
  window->addChild(label);
  window->relayout();
  REQUIRE(handleOf(button) != nullptr);
  CHECK(windowText(handleOf(button)) == L"Increase it Now!");
  CHECK(std::u16string(label->text().text()) == u"Ready");
  RECT area{};
  GetClientRect(handleOf(button), &area);
  CHECK(area.bottom == 40);
  CHECK(area.right == window->innerWidth());

  s::lang::selectLanguageAt(*localizer, 1);
  CHECK(windowText(handleOf(button)) == L"Jetzt erhoehen!");
  CHECK(std::u16string(button->text().text()) == u"Jetzt erhoehen!");
  CHECK(std::u16string(label->text().text()) == u"Bereit");
  window->removeAllChildren();
  window->setLocalizer(nullptr);
}

TEST_CASE("in a window, a click on a plain label reaches the window, one on a button does not") {
  auto window = shownWindow(300, 200);
  EventLog windowLog;
  window->addListener(s::gui::IWindow::kLeftButtonDown, &windowLog);
  auto* label = s::thread::takeFromPool<Label>();
  label->setText(u"Ready and waiting for a click", false);
  auto* button = s::thread::takeFromPool<Button>();
  button->setText(u"Press");
  button->setFixedWidth(120);
  button->setFixedHeight(30);
  EventLog buttonLog;
  button->addClickListener(&buttonLog);
  window->addChild(label);
  window->addChild(button);
  window->relayout();
  SetForegroundWindow(window->handle());

  clickAt(screenCentreOf(label));
  CHECK(eventually([&] { return windowLog.count(s::gui::IWindow::kLeftButtonDown) == 1; }));
  clickAt(screenCentreOf(button));
  CHECK(eventually([&] { return buttonLog.count(Button::kClick) == 1; }));
  Sleep(50);
  CHECK(windowLog.count(s::gui::IWindow::kLeftButtonDown) == 1);
  // A wheel turn outside the button is the window's.
  EventLog wheelLog;
  window->addListener(s::gui::IWindow::kWheel, &wheelLog);
  RECT buttonArea{};
  GetWindowRect(handleOf(button), &buttonArea);
  SendMessageW(handleOf(button), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
               MAKELPARAM(buttonArea.right + 20, buttonArea.top));
  CHECK(wheelLog.count(s::gui::IWindow::kWheel) == 1);
  moveAway();
  window->removeAllChildren();
}

TEST_CASE("an attached status bar sits at the bottom, full width, as high as its drawer says") {
  auto window = shownWindow(260, 200);
  auto* column = s::thread::takeFromPool<s::gui::win::Box>();
  column->setSize100Percent();
  auto* bar = s::thread::takeFromPool<s::gui::win::StatusBar>();
  bar->showSizeGrip(true);
  auto* status = s::thread::takeFromPool<Label>();
  status->setText(u"Ready", false);
  status->setFontSizeCode(100001);
  bar->addChild(status);
  window->addChild(column);
  window->addChild(bar);
  window->attachStatusBar(bar);
  window->relayout();
  REQUIRE(handleOf(bar) != nullptr);
  RECT client{};
  GetClientRect(window->handle(), &client);
  RECT place{};
  GetWindowRect(handleOf(bar), &place);
  MapWindowPoints(nullptr, window->handle(), reinterpret_cast<POINT*>(&place), 2);
  CHECK(place.left == 0);
  CHECK(place.right == client.right);
  CHECK(place.bottom == client.bottom);
  CHECK(place.bottom - place.top == 23);
  CHECK(window->clientHeight() == client.bottom - 23);
  CHECK(IsWindowVisible(handleOf(status)) != 0);
  window->removeAllChildren();
}
