#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "s/gui/Box.h"
#include "s/gui/MenuEx.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/RecordingMenus.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/menu/Basic.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/image/BufferedImage.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/RecordedMenus.h"
#include "support/RecordedWindows.h"
#include "support/ToolWindowMenus.h"

using s::base::Owned;
using s::gui::IMenuEx;
using s::gui::IPopupMenu;
using s::gui::NativeMenu;
using s::gui::NativeWindow;
using s::gui::RecordingMenus;
using s::gui::drawer::Rect;
using s::gui::menuitem::newMenuItemWithText;
using s::gui::win::Box;
using s::gui::win::MenuEx;
using s::gui::win::PopupMenu;
using Call = RecordingMenus::Call;

namespace {

constexpr std::uint32_t kNcHitTest = 0x0084;
constexpr std::uint32_t kCommand = 0x0111;
constexpr std::uint32_t kTimer = 0x0113;
constexpr std::uint32_t kInitMenuPopup = 0x0117;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kLeftButtonUp = 0x0202;

// Where the bar's window sits on the recorded screen.
constexpr std::int32_t kLeft = 100;
constexpr std::int32_t kTop = 50;

std::intptr_t pointParam(std::int32_t x, std::int32_t y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y) & 0xFFFF) << 16 |
                                    (static_cast<std::uint32_t>(x) & 0xFFFF));
}

Owned<PopupMenu> menuTitled(const char16_t* title, std::int32_t firstId) {
  auto menu = s::thread::obtain<PopupMenu>();
  menu->setTitleText(title);
  menu->addItem(newMenuItemWithText(u"first", firstId, false));
  menu->addItem(newMenuItemWithText(u"second", firstId + 1, true));
  return menu;
}

struct Listener final : s::gui::events::IEventListener {
  void event(s::base::IObject* source, std::int32_t code) override {
    sources.push_back(source);
    codes.push_back(code);
  }
  std::vector<s::base::IObject*> sources;
  std::vector<std::int32_t> codes;
};

// A bar with the titles View, Language and About (pop-ups) and Help (a command, 900), spacing
// (6, 3), at the top of a 400 x 100 window at (100, 50). Title sizes depend on the platform's
// text measure (a grid of cells on the host, the screen's font on Windows), so positions are
// taken from the bar's own rectangles.
struct BarInWindow {
  BarInWindow() {
    root = s::thread::obtain<Box>();
    root->move(kLeft, kTop);
    root->setSize(400, 100);
    windows->createTopLevel(root.get());
    Owned<MenuEx> made = s::thread::obtain<MenuEx>();
    bar = made.get();
    bar->setWidthPercentage(100);
    bar->setTitleSpacing(6, 3);
    view = bar->addMenuTitle(menuTitled(u"View", 100));
    language = bar->addMenuTitle(menuTitled(u"Language", 0));
    about = bar->addMenuTitle(menuTitled(u"About", 10000));
    bar->addCommandTitle(newMenuItemWithText(u"Help", 900, false));
    root->addChild(made.detach());
    menus.menus.setMilliseconds(5000000);
  }

  std::intptr_t send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    std::intptr_t result = 12345;
    handled = bar->preHandle(&result, message, wParam, lParam);
    return result;
  }
  void mouse(std::uint32_t message, std::int32_t x, std::int32_t y) {
    send(message, 0, pointParam(x, y));
  }
  // A point inside title index, (dx, dy) from its top-left corner.
  std::int32_t xIn(std::uint32_t index, std::int32_t dx = 3) const {
    return bar->titleRect(index).left + dx;
  }
  void click(std::int32_t x, std::int32_t y) {
    mouse(kLeftButtonDown, x, y);
    mouse(kLeftButtonUp, x, y);
  }
  // The system's menu loop as the bar sees it: the pop-up is initialised, then the tracking
  // timer ticks with the cursor at (x, y) of the bar's client area.
  void tickWithCursorAt(std::int32_t x, std::int32_t y) {
    menus.menus.setCursor(kLeft + x, kTop + y);
    send(kTimer, MenuEx::kTrackingTimer, 0);
  }
  RecordingMenus& native() { return menus.menus; }

  support::RecordedWindows windows;
  support::RecordedMenus menus;
  Owned<Box> root;
  MenuEx* bar = nullptr;
  IPopupMenu* view = nullptr;
  IPopupMenu* language = nullptr;
  IPopupMenu* about = nullptr;
  bool handled = false;
};

struct Shown {
  NativeMenu menu;
  std::int32_t x;
  std::int32_t y;
  NativeWindow owner;
  std::uint32_t flags;
};

}  // namespace

TEST_CASE(
    "menu bar titles sit side by side with their spacing; the bar answers client over them "
    "and transparent beside them") {
  BarInWindow test;
  MenuEx& bar = *test.bar;
  REQUIRE(bar.nativeWindow() != nullptr);
  std::vector<Rect> spaced;
  for (std::uint32_t i = 0; i < 4; ++i) spaced.push_back(bar.titleRect(i));
  CHECK(spaced[0].left == 0);
  for (std::uint32_t i = 0; i < 4; ++i) {
    CAPTURE(i);
    if (i > 0) CHECK(spaced[i].left == spaced[i - 1].right);
    CHECK(spaced[i].top == 0);
    CHECK(spaced[i].bottom == bar.height());
  }
  // The longest text takes the widest title.
  CHECK(spaced[1].width() > spaced[2].width());
  CHECK(spaced[2].width() > spaced[0].width());
  CHECK(bar.titleText(1) == std::u16string(u"Language"));
  CHECK(bar.minimumWidth() == spaced[3].right);
  CHECK(bar.width() == 400);

  // Without spacing every title is 12 narrower and 6 lower.
  bar.setTitleSpacing(0, 0);
  for (std::uint32_t i = 0; i < 4; ++i) {
    CAPTURE(i);
    CHECK(bar.titleRect(i).width() == spaced[i].width() - 12);
  }
  CHECK(bar.minimumHeight() == spaced[0].height() - 6);
  bar.setTitleSpacing(6, 3);
  CHECK(bar.titleRect(3) == spaced[3]);

  struct Probe {
    std::int32_t x, y;
    std::intptr_t answer;
  };
  const std::int32_t end = spaced[3].right;
  const std::int32_t bottom = spaced[3].bottom;
  const Probe probes[] = {{0, 0, 1},       {spaced[1].left, 5, 1}, {end - 1, bottom - 1, 1},
                          {end, 5, -1},    {399, 0, -1},           {-1, 5, -1},
                          {10, bottom, -1}};
  for (const Probe& probe : probes) {
    CAPTURE(probe.x);
    CAPTURE(probe.y);
    CHECK(test.send(kNcHitTest, 0, pointParam(kLeft + probe.x, kTop + probe.y)) == probe.answer);
    CHECK(test.handled);
  }

  // Size codes the controls take, and one that means no size.
  CHECK(bar.setFontSizeCode(100001));
  CHECK_FALSE(bar.setFontSizeCode(5000));

  bar.setSingleButton(true);
  CHECK(bar.titleAt(399, bar.height() - 1) == 0);
  CHECK(test.send(kNcHitTest, 0, pointParam(kLeft + 300, kTop + 5)) == 1);
  CHECK(bar.fontSetting(0).ellipsis());
  CHECK(bar.fontSetting(1).ellipsis());
}

TEST_CASE("a press on a menu title opens its pop-up below the title, owned by the bar") {
  BarInWindow test;
  Listener opening;
  Listener closed;
  test.bar->addPopupOpeningListener(&opening);
  test.bar->addCloseListener(&closed);
  std::vector<Shown> shown;
  test.native().setMenuLoop([&](NativeMenu menu, std::int32_t x, std::int32_t y, NativeWindow owner,
                                std::uint32_t flags) {
    shown.push_back(Shown{menu, x, y, owner, flags});
    CHECK(opening.codes == std::vector<std::int32_t>{IMenuEx::kPopupOpening});
    CHECK(test.bar->openIndex() == 1);
    CHECK(test.native().menuDataOf(menu) == test.bar->nativeWindow());
  });
  test.mouse(kLeftButtonDown, test.xIn(1), 10);
  CHECK(test.handled);
  REQUIRE(shown.size() == 1);
  CHECK(shown[0].menu == test.language->nativeMenu());
  CHECK(shown[0].x == kLeft + test.bar->titleRect(1).left);
  CHECK(shown[0].y == kTop + test.bar->titleRect(1).bottom);
  CHECK(shown[0].owner == test.bar->nativeWindow());
  CHECK(shown[0].flags == 0x4002);
  // Closed by itself: back to idle.
  CHECK(test.bar->openIndex() == -1);
  CHECK(test.bar->hotIndex() == -1);
  CHECK(test.native().capturedWindow() == nullptr);
  CHECK(closed.codes == std::vector<std::int32_t>{IMenuEx::kPopupClosed});

  // Nothing opens from the empty part of the bar, and a greyed title stays shut.
  test.native().setMilliseconds(test.native().milliseconds() + 1000);
  test.mouse(kLeftButtonDown, 399, 10);
  test.about->setEnabled(false);
  test.mouse(kLeftButtonDown, test.xIn(2), 10);
  CHECK(shown.size() == 1);
}

TEST_CASE("a click on the open menu's title closes it; another within 500 ms does not reopen it") {
  BarInWindow test;
  RecordingMenus& native = test.native();
  int tracks = 0;
  native.setMenuLoop([&](NativeMenu, std::int32_t, std::int32_t, NativeWindow, std::uint32_t) {
    ++tracks;
    test.send(kInitMenuPopup, 0, 0);
    CHECK(native.isTimerRunning(test.bar->nativeWindow(), MenuEx::kTrackingTimer));
    // The press on the title reaches the bar while its pop-up is still open.
    test.mouse(kLeftButtonDown, 10, 10);
    CHECK(native.menuWindowClosed());
  });
  test.mouse(kLeftButtonDown, 10, 10);
  CHECK(tracks == 1);
  CHECK(native.countOf(Call::kCloseWindow) == 1);
  CHECK_FALSE(native.isTimerRunning(test.bar->nativeWindow(), MenuEx::kTrackingTimer));
  test.mouse(kLeftButtonUp, 10, 10);

  struct Later {
    std::uint64_t after;
    int tracks;
  };
  native.setMenuLoop(
      [&](NativeMenu, std::int32_t, std::int32_t, NativeWindow, std::uint32_t) { ++tracks; });
  const std::uint64_t closedAt = native.milliseconds();
  for (const Later later : {Later{0, 1}, Later{499, 1}, Later{500, 2}}) {
    CAPTURE(later.after);
    native.setMilliseconds(closedAt + later.after);
    test.click(10, 10);
    CHECK(tracks == later.tracks);
  }
}

TEST_CASE("moving the cursor to the next title while a pop-up is open switches to its pop-up") {
  BarInWindow test;
  RecordingMenus& native = test.native();
  std::vector<Shown> shown;
  native.setMenuLoop([&](NativeMenu menu, std::int32_t x, std::int32_t y, NativeWindow owner,
                         std::uint32_t flags) {
    shown.push_back(Shown{menu, x, y, owner, flags});
    test.send(kInitMenuPopup, 0, 0);
    if (shown.size() == 1) {
      // Inside the open title, below the bar and over the command title: nothing changes.
      test.tickWithCursorAt(test.xIn(0, 20), 10);
      test.tickWithCursorAt(test.xIn(1), 60);
      test.tickWithCursorAt(test.xIn(3), 10);
      CHECK_FALSE(native.menuWindowClosed());
      test.tickWithCursorAt(test.xIn(2), 10);
      CHECK(native.menuWindowClosed());
      CHECK(test.bar->hotIndex() == 2);
    }
  });
  test.mouse(kLeftButtonDown, 10, 10);
  REQUIRE(shown.size() == 2);
  CHECK(shown[0].menu == test.view->nativeMenu());
  CHECK(shown[1].menu == test.about->nativeMenu());
  CHECK(shown[1].x == kLeft + test.bar->titleRect(2).left);
  CHECK(shown[1].y == kTop + test.bar->titleRect(2).bottom);
  // Closing for the switch is not a close: only the second pop-up's end counts.
  CHECK(native.countOf(Call::kCapture) >= 1);
  CHECK(test.bar->openIndex() == -1);
  CHECK(native.capturedWindow() == nullptr);
  CHECK_FALSE(native.isTimerRunning(test.bar->nativeWindow(), MenuEx::kTrackingTimer));
}

TEST_CASE("command titles select on release and owned menu commands select with code 0") {
  BarInWindow test;
  Listener selections;
  test.bar->addSelectionListener(&selections);

  const std::int32_t help = test.xIn(3);
  test.mouse(kLeftButtonDown, help, 10);
  CHECK(test.native().capturedWindow() == test.bar->nativeWindow());
  CHECK(selections.codes.empty());
  test.mouse(kLeftButtonUp, help, 10);
  CHECK(selections.codes == std::vector<std::int32_t>{IMenuEx::kSelected});
  CHECK(selections.sources == std::vector<s::base::IObject*>{test.bar});
  CHECK(test.bar->selectedCommandId() == 900);
  CHECK(test.native().capturedWindow() == nullptr);

  // Released away from the title it was pressed on: no selection.
  test.mouse(kLeftButtonDown, help, 10);
  test.mouse(kLeftButtonUp, 399, 10);
  CHECK(selections.codes.size() == 1);

  struct Command {
    std::int32_t id;
    std::intptr_t sender;
    bool taken;
  };
  const Command commands[] = {{101, 0, true}, {1, 0, true},    {10000, 0, true},
                              {900, 0, true}, {555, 0, false}, {101, 0x1234, false}};
  for (const Command& command : commands) {
    CAPTURE(command.id);
    const std::size_t before = selections.codes.size();
    const std::intptr_t answer =
        test.send(kCommand, static_cast<std::uintptr_t>(command.id), command.sender);
    CHECK(test.handled == command.taken);
    CHECK(selections.codes.size() == before + (command.taken ? 1 : 0));
    if (command.taken) {
      CHECK(answer == 0);
      CHECK(test.bar->selectedCommandId() == command.id);
    }
  }
}

TEST_CASE("the hot title follows the cursor and the capture is let go when it leaves the titles") {
  BarInWindow test;
  RecordingMenus& native = test.native();
  test.mouse(kMouseMove, test.xIn(1), 5);
  CHECK(test.bar->hotIndex() == 1);
  CHECK(native.capturedWindow() == test.bar->nativeWindow());
  test.mouse(kMouseMove, test.xIn(2), 5);
  CHECK(test.bar->hotIndex() == 2);
  test.mouse(kMouseMove, 399, 5);
  CHECK(test.bar->hotIndex() == -1);
  CHECK(native.capturedWindow() == nullptr);
  CHECK(native.countOf(Call::kTrack) == 0);

  // With auto-open, entering a menu title opens it.
  int tracks = 0;
  native.setMenuLoop([&](NativeMenu menu, std::int32_t, std::int32_t, NativeWindow, std::uint32_t) {
    ++tracks;
    CHECK(menu == test.view->nativeMenu());
  });
  test.bar->setAutoOpen(true);
  test.mouse(kMouseMove, 5, 5);
  CHECK(tracks == 1);
}

TEST_CASE("the bar paints its titles through its drawer, lighting the hot one with the option on") {
  BarInWindow test;
  MenuEx& bar = *test.bar;
  auto drawer = s::gui::drawer::menu::win::Basic::create(s::gui::drawer::rgb(0, 0, 0),
                                                         s::gui::drawer::rgb(10, 20, 200),
                                                         s::gui::drawer::rgb(255, 255, 255));
  drawer->setFill(true);
  bar.setDrawer(drawer.detach(), true);
  bar.setFontColour(1, 2, 3);
  CHECK(bar.drawer()->fontSetting(0).textColour() == s::gui::drawer::rgb(1, 2, 3));

  auto picture = s::thread::obtain<s::image::win::BufferedImage>();
  REQUIRE(picture->create(bar.width(), bar.height()));
  auto hotFilled = [&]() {
    s::gui::drawer::ImageSurface surface(*picture);
    bar.paint(surface);
    const std::uint8_t* pixel = picture->row(5) + 4 * test.xIn(1);
    return pixel[0] == 200 && pixel[1] == 20 && pixel[2] == 10;
  };
  test.mouse(kMouseMove, test.xIn(1), 5);
  CHECK_FALSE(hotFilled());
  bar.setOption(true);
  CHECK(hotFilled());

  s::gui::drawer::ImageSurface surface(*picture);
  bar.paint(surface);
  std::vector<std::u16string> captions;
  for (const auto& call : surface.textCalls()) captions.push_back(call.text);
  CHECK(captions == std::vector<std::u16string>{u"View", u"Language", u"About", u"Help"});
}

TEST_CASE(
    "check states go through the pop-ups, sub-menus included, and titles follow the language") {
  support::RecordedWindows windows;
  support::RecordedMenus recorded;
  Owned<s::lang::Localizer> localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  const std::uint32_t listeners = localizer->listenerCount();
  {
    support::ToolWindowMenus menus =
        support::buildToolWindowMenus(localizer.get(), true, false, true);
    auto sub = s::thread::obtain<PopupMenu>();
    sub->setTitleText(u"More");
    sub->addItem(newMenuItemWithText(u"Deep", 130, false));
    menus.view->addSubMenu(std::move(sub));
    Owned<MenuEx> bar = s::thread::obtain<MenuEx>();
    bar->setTitleSpacing(6, 3);
    bar->setOption(true);
    bar->addMenuTitle(std::move(menus.view));
    bar->addMenuTitle(std::move(menus.language));
    bar->addMenuTitle(std::move(menus.about));

    CHECK(bar->hasCommandId(130));
    CHECK(bar->hasCommandId(10950));
    CHECK_FALSE(bar->hasCommandId(131));
    CHECK(bar->isChecked(100));
    CHECK_FALSE(bar->isChecked(120));
    CHECK(bar->setChecked(130, true));
    CHECK(bar->isChecked(130));
    CHECK_FALSE(bar->setChecked(131, true));

    const std::int32_t widthInEnglish = bar->minimumWidth();
    s::lang::selectLanguage(*localizer, u"German");
    CHECK(bar->titleText(0) == std::u16string(s::lang::textOf(*localizer, 609000)));
    CHECK(bar->titleText(1) == std::u16string(s::lang::textOf(*localizer, 700000)));
    CHECK(bar->titleText(2) == std::u16string(s::lang::textOf(*localizer, 701000)));
    CHECK(bar->minimumWidth() != widthInEnglish);
  }
  CHECK(recorded.menus.liveMenus() == 0);
  CHECK(localizer->listenerCount() == listeners);
}
