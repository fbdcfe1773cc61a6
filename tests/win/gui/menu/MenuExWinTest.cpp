#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/MenuEx.h"
#include "s/gui/drawer/IMenu.h"
#include "s/gui/events/IEventListener.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/ToolWindowMenus.h"
#include "support/win/GuiObjectCount.h"
#include "support/win/KeptMenuHandles.h"
#include "support/win/ProcessWindows.h"
#include "support/win/RealInput.h"
#include "support/win/TestWindow.h"

using s::base::Owned;
using s::gui::IMenuEx;
using s::gui::win::MenuEx;
using support::pressKey;
using support::TestWindow;
using support::waitFor;

namespace {

HWND handleOf(const s::gui::IComponent* component) {
  return static_cast<HWND>(component->nativeWindow());
}

// The visible menu window of this process, null when no menu is open.
HWND openMenuWindow() {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"#32768", nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) != 0) return window;
  }
  return nullptr;
}

// The cursor is put by the window's own thread: under Wine the display's pointer follows
// SetCursorPos through the calling thread's connection to the display, and the window's thread
// asks the display where the pointer is (a move by input event alone leaves the display's
// pointer behind).
bool pointAt(TestWindow& window, POINT at) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    window.runOnUiThread(
        [](void* point) {
          const POINT* to = static_cast<const POINT*>(point);
          SetCursorPos(to->x, to->y);
        },
        &at);
    window.settle();
    POINT now{};
    GetCursorPos(&now);
    if (now.x == at.x && now.y == at.y) return true;
  }
  return false;
}

void clickOn(TestWindow& window, POINT at) {
  REQUIRE(pointAt(window, at));
  support::clickHere();
}

class Counter final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject*, std::int32_t code) override {
    last = code;
    ++count;
  }
  std::atomic<int> count{0};
  std::atomic<std::int32_t> last{-1};
};

// The tool window's bar with its three menus at the top of a real window on a UI thread.
struct BarWindow {
  BarWindow() : localizer(support::embeddedLocalizer()), window(120, 120, 400, 150) {
    s::lang::selectLanguage(*localizer, u"English");
    support::ToolWindowMenus menus =
        support::buildToolWindowMenus(localizer.get(), true, true, true);
    Owned<MenuEx> made = s::thread::obtain<MenuEx>();
    made->setWidthPercentage(100);
    made->setTitleSpacing(6, 3);
    made->setOption(true);
    view = made->addMenuTitle(std::move(menus.view));
    made->addMenuTitle(std::move(menus.language));
    about = made->addMenuTitle(std::move(menus.about));
    made->addSelectionListener(&selections);
    made->addPopupOpeningListener(&openings);
    made->addCloseListener(&closings);
    bar = made.get();
    window.root().addChild(made.detach());
    window.root().relayout();
    // Keys reach the open menu only through the foreground window, as they would after a
    // user's first click on it.
    SetForegroundWindow(window.window());
    window.settle();
  }
  ~BarWindow() { closeMenu(); }

  POINT titleCentre(std::uint32_t index) const {
    const s::gui::drawer::Rect title = bar->titleRect(index);
    POINT at{(title.left + title.right) / 2, (title.top + title.bottom) / 2};
    ClientToScreen(handleOf(bar), &at);
    return at;
  }
  // Closes an open menu whatever state it is in, so that nothing waits on it.
  void closeMenu() {
    if (openMenuWindow() == nullptr) return;
    pressKey(VK_ESCAPE);
    if (waitFor([] { return openMenuWindow() == nullptr; })) return;
    window.runOnUiThread([](void*) { EndMenu(); }, nullptr);
    waitFor([] { return openMenuWindow() == nullptr; });
  }

  Owned<s::lang::Localizer> localizer;
  TestWindow window;
  MenuEx* bar = nullptr;
  s::gui::IPopupMenu* view = nullptr;
  s::gui::IPopupMenu* about = nullptr;
  Counter selections;
  Counter openings;
  Counter closings;
};

}  // namespace

TEST_CASE(
    "the menu bar opens a pop-up on a real click, ignores a click within 500 ms of closing "
    "it and opens again later") {
  BarWindow test;
  REQUIRE(test.window.window() != nullptr);
  REQUIRE(handleOf(test.bar) != nullptr);
  REQUIRE(test.bar->titleRect(0).right > 0);

  clickOn(test.window, test.titleCentre(0));
  REQUIRE(waitFor([] { return openMenuWindow() != nullptr; }));
  CHECK(test.openings.count == 1);
  CHECK(test.bar->openIndex() == 0);
  // The pop-up hangs from the title's bottom-left corner.
  RECT shown{};
  GetWindowRect(openMenuWindow(), &shown);
  POINT corner{test.bar->titleRect(0).left, test.bar->titleRect(0).bottom};
  ClientToScreen(handleOf(test.bar), &corner);
  CHECK(shown.left == corner.x);
  CHECK(shown.top == corner.y);

  // A click on the open menu's title closes it, and does not open it again.
  clickOn(test.window, test.titleCentre(0));
  CHECK(waitFor([] { return openMenuWindow() == nullptr; }));
  CHECK(waitFor([&] { return test.closings.count == 1; }));
  Sleep(150);
  test.window.settle();
  CHECK(openMenuWindow() == nullptr);
  CHECK(test.openings.count == 1);

  // Well after the close a click opens it again.
  Sleep(600);
  clickOn(test.window, test.titleCentre(0));
  CHECK(waitFor([] { return openMenuWindow() != nullptr; }));
  CHECK(test.openings.count == 2);
  test.closeMenu();
  CHECK(waitFor([&] { return test.closings.count == 2; }));
}

TEST_CASE("choosing an item of the bar's pop-up fires code 0 and the bar answers its command id") {
  BarWindow test;
  REQUIRE(handleOf(test.bar) != nullptr);
  clickOn(test.window, test.titleCentre(2));
  REQUIRE(waitFor([] { return openMenuWindow() != nullptr; }));
  // "Software Page", the About menu's third entry: the second step down skips the separator.
  // (Wine's GetMenuItemRect does not give an open pop-up's items where they are shown.)
  pressKey(VK_DOWN);
  pressKey(VK_DOWN);
  pressKey(VK_RETURN);
  CHECK(waitFor([&] { return test.selections.count == 1; }));
  CHECK(test.selections.last == IMenuEx::kSelected);
  CHECK(test.bar->selectedCommandId() == 10100);
  CHECK(waitFor([] { return openMenuWindow() == nullptr; }));
}

TEST_CASE("moving the cursor to the next title while a pop-up is open opens the next pop-up") {
  BarWindow test;
  REQUIRE(handleOf(test.bar) != nullptr);
  clickOn(test.window, test.titleCentre(0));
  REQUIRE(waitFor([] { return openMenuWindow() != nullptr; }));
  // A hand that moves on and finds the menu unchanged keeps moving over the title.
  bool switched = false;
  for (int attempt = 0; attempt < 10 && !switched; ++attempt) {
    pointAt(test.window, test.titleCentre(1));
    switched = waitFor([&] { return test.bar->openIndex() == 1 && openMenuWindow() != nullptr; });
  }
  CHECK(switched);
  CHECK(test.openings.count >= 2);
  CHECK(test.closings.count == 0);
  test.closeMenu();
  CHECK(waitFor([&] { return test.closings.count == 1; }));
}

TEST_CASE(
    "a menu bar with the tool window's menus put into a window and removed 100 times leaves "
    "no window, menu or listener behind") {
  Owned<s::lang::Localizer> localizer = support::embeddedLocalizer();
  TestWindow window(120, 120, 400, 150);
  REQUIRE(window.window() != nullptr);
  window.settle();
  const support::GuiCounts before = support::guiCounts();
  // Fonts and painting pictures too, counted in the way Wine lets them be counted.
  const DWORD gdiBefore = support::gdiObjectCount();
  const std::uint32_t listeners = localizer->listenerCount();
  support::KeptMenuHandles kept;
  for (int round = 0; round < 100; ++round) {
    support::ToolWindowMenus menus =
        support::buildToolWindowMenus(localizer.get(), true, round % 2 == 0, true);
    MenuEx* bar = s::thread::takeFromPool<MenuEx>();
    bar->setWidthPercentage(100);
    bar->addMenuTitle(std::move(menus.view));
    bar->addMenuTitle(std::move(menus.language));
    bar->addMenuTitle(std::move(menus.about));
    bar->setFontSizeCode(round % 3);
    window.root().addChild(bar);
    RedrawWindow(handleOf(bar), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (round == 0) {
      CHECK(handleOf(bar) != nullptr);
      CHECK(support::guiCounts().windows == before.windows + 1);
    }
    window.root().removeChild(bar, true);
  }
  window.settle();
  CHECK(kept.made() == 300);
  CHECK(kept.liveMenus() == 0);
  CHECK(localizer->listenerCount() == listeners);
  CHECK(support::guiCounts() == before);
  CHECK(support::gdiObjectCount() == gdiBefore);
}

TEST_CASE("the bar's titles are drawn in its own fonts, which a size code enlarges") {
  auto localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  support::ToolWindowMenus menus = support::buildToolWindowMenus(localizer.get(), true, true, true);
  Owned<MenuEx> bar = s::thread::obtain<MenuEx>();
  bar->setTitleSpacing(6, 3);
  bar->addMenuTitle(std::move(menus.view));
  bar->addMenuTitle(std::move(menus.about));
  // Not the device context's font: the controls' default one.
  REQUIRE(bar->drawer() != nullptr);
  CHECK(bar->drawer()->fontSetting(0).font() != nullptr);
  CHECK(bar->drawer()->fontSetting(1).font() != nullptr);
  CHECK(bar->drawer()->fontSetting(0).font() != GetStockObject(SYSTEM_FONT));
  const std::int32_t height = bar->minimumHeight();
  const std::int32_t width = bar->minimumWidth();

  CHECK(bar->setFontSizeCode(112));
  CHECK(bar->minimumHeight() > height);
  CHECK(bar->minimumWidth() > width);
  const std::int32_t large = bar->minimumHeight();
  CHECK_FALSE(bar->setFontSizeCode(5000));
  CHECK(bar->minimumHeight() == large);
  CHECK(bar->setFontSizeCode(100001));
  CHECK(bar->minimumHeight() < large);
}
