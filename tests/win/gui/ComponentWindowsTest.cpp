#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/Box.h"
#include "s/gui/Spacer.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/OtherThread.h"
#include "support/win/GuiObjectCount.h"
#include "support/win/NativeButton.h"
#include "support/win/TestWindow.h"

using s::base::Owned;
using s::gui::win::Box;
using support::Block;
using support::NativeButton;
using support::TestWindow;

namespace {

// Where a child window sits in its parent's client area, as the platform says.
RECT placeOf(HWND child) {
  RECT area{};
  GetWindowRect(child, &area);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

HWND handleOf(const s::gui::IComponent* component) {
  return static_cast<HWND>(component->nativeWindow());
}

POINT screenCentreOf(const s::gui::IComponent* component) {
  RECT area{};
  GetWindowRect(handleOf(component), &area);
  return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

LRESULT hitTestAt(const s::gui::IComponent* component, POINT at) {
  return SendMessageW(handleOf(component), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

BOOL CALLBACK countWindow(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

class Clicks final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject*, std::int32_t code) override {
    last = code;
    ++count;
  }
  std::atomic<int> count{0};
  std::atomic<std::int32_t> last{0};
};

// A content column like a tool window's: margins, a gap, a spacer, two blocks.
Box* buildColumn() {
  Box* column = s::thread::takeFromPool<Box>();
  column->setSize100Percent();
  column->setVerticalGap(2);
  column->setHorizontalMargins(8);
  auto* spacer = s::thread::takeFromPool<s::gui::win::Spacer>();
  spacer->setOrientation(s::gui::win::Spacer::kVertical);
  spacer->setFixedHeight(12);
  column->addChild(spacer);
  column->addChild(Block::make(10, 40, 1000, 40));
  column->addChild(Block::make(10, 40, 1000, 40));
  return column;
}

}  // namespace

TEST_CASE("children get native child windows placed where the layout put them") {
  TestWindow test(60, 60, 230, 200);
  REQUIRE(test.window() != nullptr);
  Box* column = buildColumn();
  test.root().addChild(column);
  test.root().relayout();

  HWND columnWindow = handleOf(column);
  REQUIRE(columnWindow != nullptr);
  CHECK(GetParent(columnWindow) == test.window());
  CHECK((GetWindowLongPtrW(columnWindow, GWL_STYLE) & WS_CHILD) != 0);
  const RECT columnPlace = placeOf(columnWindow);
  CHECK(columnPlace.left == 0);
  CHECK(columnPlace.top == 0);
  CHECK(columnPlace.right == 230);
  CHECK(columnPlace.bottom == 200);

  // Left margin 8, width 230 - 16; the spacer (no window of its own) takes 12 + 2 of height.
  for (std::uint32_t i = 1; i < 3; ++i) {
    CAPTURE(i);
    HWND blockWindow = handleOf(column->childAt(i));
    REQUIRE(blockWindow != nullptr);
    CHECK(GetParent(blockWindow) == columnWindow);
    const RECT place = placeOf(blockWindow);
    CHECK(place.left == 8);
    CHECK(place.top == static_cast<LONG>(14 + (i - 1) * 42));
    CHECK(place.right - place.left == 214);
    CHECK(place.bottom - place.top == 40);
    RECT client{};
    GetClientRect(blockWindow, &client);
    CHECK(client.right == 214);
    CHECK(IsWindowVisible(blockWindow) != 0);
  }
  CHECK(column->childAt(0)->nativeWindow() == nullptr);
}

TEST_SUITE("threads") {
  TEST_CASE("a tree built from another thread gets its windows on the UI thread") {
    TestWindow test(60, 60, 200, 150);
    REQUIRE(test.window() != nullptr);
    CHECK(test.threadId() != GetCurrentThreadId());
    struct Build {
      TestWindow* test;
      Box* column = nullptr;
      DWORD builder = 0;
    } build{&test};
    REQUIRE(support::runOnOtherThread(
        [](void* argument) {
          auto* b = static_cast<Build*>(argument);
          b->builder = GetCurrentThreadId();
          b->column = buildColumn();
          b->test->root().addChild(b->column);
          // A child added once its parent has a window is created at once, too.
          b->column->addChild(Block::make(10, 10, 50, 10));
          b->test->root().relayout();
        },
        &build));
    REQUIRE(build.column != nullptr);
    for (std::uint32_t i = 1; i < build.column->childCount(); ++i) {
      CAPTURE(i);
      HWND window = handleOf(build.column->childAt(i));
      REQUIRE(window != nullptr);
      CHECK(GetWindowThreadProcessId(window, nullptr) == test.threadId());
      CHECK(GetWindowThreadProcessId(window, nullptr) != build.builder);
    }
    CHECK(GetWindowThreadProcessId(handleOf(build.column), nullptr) == test.threadId());
    // Removal from this thread still destroys the window on its own.
    HWND last = handleOf(build.column->childAt(3));
    build.column->removeChild(build.column->childAt(3), true);
    CHECK(IsWindow(last) == 0);
  }
}

TEST_CASE(
    "hit tests: an empty box lets the mouse through, a button child and a clickable box "
    "do not") {
  TestWindow test(60, 60, 200, 150);
  REQUIRE(test.window() != nullptr);
  Box* panel = s::thread::takeFromPool<Box>();
  panel->setSize100Percent();
  panel->setAllMargins(10);
  NativeButton* button = NativeButton::make(60, 30);
  panel->addChild(button);
  test.root().addChild(panel);
  test.root().relayout();
  REQUIRE(handleOf(button) != nullptr);

  RECT panelArea{};
  GetWindowRect(handleOf(panel), &panelArea);
  const POINT empty{panelArea.right - 20, panelArea.bottom - 20};
  CHECK(hitTestAt(panel, empty) == HTTRANSPARENT);
  CHECK(hitTestAt(panel, screenCentreOf(button)) == HTCLIENT);
  button->enable(false);
  CHECK(hitTestAt(panel, screenCentreOf(button)) == HTTRANSPARENT);
  button->enable(true);

  Clicks clicks;
  panel->addClickListener(&clicks);
  CHECK(hitTestAt(panel, empty) == HTCLIENT);
}

TEST_CASE("a real click reaches a box with a click listener and passes an empty one") {
  TestWindow test(60, 60, 200, 120);
  REQUIRE(test.window() != nullptr);
  Box* row = s::thread::takeFromPool<Box>();
  row->setSize100Percent();
  row->setModeRow();
  Box* through = s::thread::takeFromPool<Box>();
  through->setFixedWidth(100, false);
  through->setHeightPercentage(100, false);
  Box* taking = s::thread::takeFromPool<Box>();
  taking->setFixedWidth(100, false);
  taking->setHeightPercentage(100, false);
  Clicks clicks;
  taking->addClickListener(&clicks);
  row->addChild(through);
  row->addChild(taking);
  test.root().addChild(row);
  test.root().relayout();
  REQUIRE(placeOf(handleOf(taking)).left == 100);

  REQUIRE(support::clickAt(test, screenCentreOf(taking)));
  CHECK(support::waitFor([&] { return clicks.count.load() == 1; }));
  CHECK(clicks.last == Box::kClick);

  // Through the empty box (and the row under it) to the window itself.
  const int before = test.root().leftButtonDowns;
  REQUIRE(support::clickAt(test, screenCentreOf(through)));
  CHECK(support::waitFor([&] { return test.root().leftButtonDowns.load() == before + 1; }));
  test.settle();
  CHECK(clicks.count == 1);
}

TEST_CASE("building and releasing a tree a hundred times leaves no window or GDI object") {
  TestWindow test(60, 60, 200, 150);
  REQUIRE(test.window() != nullptr);
  auto childWindows = [&] {
    int count = 0;
    EnumChildWindows(test.window(), &countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
  };
  // One round first, so that pools and caches are warm before counting.
  test.root().addChild(buildColumn());
  test.root().removeAllChildren();
  test.settle();
  const DWORD gdiBefore = support::settledGdiObjectCount();
  const DWORD userBefore = support::userObjectCount();
  for (int i = 0; i < 100; ++i) {
    Box* column = buildColumn();
    test.root().addChild(column);
    test.root().relayout();
    // Painted once, so that painting's brushes are counted too.
    column->redraw();
    UpdateWindow(handleOf(column));
    if (i == 0) CHECK(childWindows() == 3);
    test.root().removeChild(column, true);
  }
  test.settle();
  CHECK(childWindows() == 0);
  CHECK(support::settledGdiObjectCount() == gdiBefore);
  CHECK(support::userObjectCount() == userBefore);
}
