#include <doctest/doctest.h>
#include <windows.h>
// shlobj.h (DROPFILES) needs windows.h before it.
#include <shlobj.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "s/gui/Box.h"
#include "s/gui/events/IEventListener.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "support/win/Cursor.h"
#include "support/win/NativeButton.h"
#include "support/win/TestWindow.h"

using s::gui::win::Box;
using support::TestWindow;

namespace {

HWND handleOf(const s::gui::IComponent* component) {
  return static_cast<HWND>(component->nativeWindow());
}

// The colour on screen at a point of a component's client area, once it has painted.
COLORREF shownAt(const s::gui::IComponent* component, int x, int y) {
  HWND window = handleOf(component);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The window's own thread may have taken the paint itself, and then RedrawWindow does not
  // wait for it: a message to that thread comes back once the painting is over.
  SendMessageW(window, WM_NULL, 0, 0);
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

class Heard final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject* source, std::int32_t code) override {
    from = source;
    last = code;
    ++count;
  }
  std::atomic<int> count{0};
  std::atomic<std::int32_t> last{0};
  std::atomic<s::base::IObject*> from{nullptr};
};

Box* sizedBox(std::int32_t width, std::int32_t height) {
  Box* box = s::thread::takeFromPool<Box>();
  box->setFixedWidth(width, false);
  box->setFixedHeight(height, false);
  return box;
}

// A drop of the given paths as the shell hands it over: a DROPFILES block with wide paths.
HDROP dropOf(std::initializer_list<std::wstring_view> paths) {
  std::size_t units = 1;
  for (auto path : paths) units += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + units * 2);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(header + 1);
  for (auto path : paths) {
    std::memcpy(text, path.data(), path.size() * 2);
    text += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

}  // namespace

TEST_CASE("a box paints its colour; a paint listener that marks the painting done paints alone") {
  TestWindow test(60, 60, 160, 100);
  REQUIRE(test.window() != nullptr);
  Box* box = sizedBox(100, 60);
  box->setBackgroundRgb(10, 200, 30, false);
  test.root().addChild(box);
  test.root().relayout();
  CHECK(shownAt(box, 50, 30) == RGB(10, 200, 30));

  struct Painter final : s::gui::events::IEventListener {
    Box* box = nullptr;
    bool done = true;
    void event(s::base::IObject*, std::int32_t) override {
      HDC dc = static_cast<HDC>(box->paintContext());
      RECT area{0, 0, 100, 60};
      HBRUSH brush = CreateSolidBrush(RGB(250, 0, 250));
      FillRect(dc, &area, brush);
      DeleteObject(brush);
      if (done) box->markPainted();
    }
  } painter;
  painter.box = box;
  box->addPaintListener(&painter);
  CHECK(shownAt(box, 50, 30) == RGB(250, 0, 250));
  // Without the mark the box's own fill follows the listener's.
  painter.done = false;
  CHECK(shownAt(box, 50, 30) == RGB(10, 200, 30));
  CHECK(box->paintContext() == nullptr);
}

TEST_CASE("a clickable box with a hover colour shows it while the mouse is over it") {
  TestWindow test(60, 60, 160, 100);
  REQUIRE(test.window() != nullptr);
  Box* box = sizedBox(80, 50);
  box->setBackgroundRgb(0, 0, 160, false);
  box->setHoverColour(255, 200, 0);
  Heard clicks;
  box->addClickListener(&clicks);
  test.root().addChild(box);
  test.root().relayout();
  RECT area{};
  GetWindowRect(handleOf(box), &area);

  REQUIRE(support::moveMouseTo(test, POINT{area.left + 40, area.top + 25}));
  CHECK(support::waitFor([&] { return box->isHovered(); }));
  CHECK(shownAt(box, 10, 10) == RGB(255, 200, 0));
  REQUIRE(support::moveMouseTo(test, POINT{area.right + 30, area.bottom + 30}));
  CHECK(support::waitFor([&] { return !box->isHovered(); }));
  CHECK(shownAt(box, 10, 10) == RGB(0, 0, 160));
  CHECK(clicks.count == 0);
}

TEST_CASE(
    "a hovered box in a window that is not in front stays hovered over its own child and lets "
    "go when the mouse leaves the window") {
  // A window in the background gets no mouse input from beyond its own area, capture or not.
  TestWindow test(60, 60, 160, 100);
  REQUIRE(test.window() != nullptr);
  Box* box = sizedBox(140, 80);
  box->setBackgroundRgb(0, 0, 160, false);
  box->setHoverColour(255, 200, 0);
  Heard clicks;
  box->addClickListener(&clicks);
  support::NativeButton* child = support::NativeButton::make(40, 30);
  box->addChild(child);
  test.root().addChild(box);
  test.root().relayout();
  REQUIRE(GetForegroundWindow() != test.window());
  RECT area{};
  GetWindowRect(handleOf(box), &area);
  RECT childArea{};
  GetWindowRect(handleOf(child), &childArea);
  REQUIRE(childArea.right < area.right - 40);

  REQUIRE(support::moveMouseTo(test, POINT{area.right - 20, area.bottom - 20}));
  CHECK(support::waitFor([&] { return box->isHovered(); }));
  REQUIRE(support::moveMouseTo(test, POINT{childArea.left + 20, childArea.top + 15}));
  CHECK(box->isHovered());
  REQUIRE(support::putCursorAt(POINT{900, 800}, GetDesktopWindow()));
  CHECK(support::waitFor([&] { return !box->isHovered(); }));
  CHECK(shownAt(box, 120, 60) == RGB(0, 0, 160));
  GUITHREADINFO held{};
  held.cbSize = sizeof held;
  REQUIRE(GetGUIThreadInfo(test.threadId(), &held));
  CHECK(held.hwndCapture == nullptr);
}

TEST_CASE("a box takes every key, erases nothing and hands key presses to its parent") {
  TestWindow test(60, 60, 160, 100);
  REQUIRE(test.window() != nullptr);
  Box* outer = sizedBox(120, 80);
  Box* inner = sizedBox(60, 40);
  outer->addChild(inner);
  test.root().addChild(outer);
  CHECK((SendMessageW(handleOf(inner), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS) != 0);
  HDC dc = GetDC(handleOf(inner));
  CHECK(SendMessageW(handleOf(inner), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 1);
  ReleaseDC(handleOf(inner), dc);
  // Inner to outer to the window, whose answer comes back.
  CHECK(SendMessageW(handleOf(inner), WM_KEYDOWN, VK_RETURN, 0) == 42);
  CHECK(test.root().keyDowns == 1);
}

TEST_CASE("a wheel turn goes to the child under the cursor that takes it, else to the window") {
  TestWindow test(60, 60, 200, 120);
  REQUIRE(test.window() != nullptr);
  Box* panel = sizedBox(200, 120);
  panel->setModeRow();
  Box* wheelie = sizedBox(80, 120);
  Heard turns;
  wheelie->addWheelListener(&turns);
  Box* plain = sizedBox(80, 120);
  panel->addChild(wheelie);
  panel->addChild(plain);
  test.root().addChild(panel);
  test.root().relayout();
  CHECK(panel->acceptsWheel());
  CHECK_FALSE(plain->acceptsWheel());

  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  RECT over{};
  GetWindowRect(handleOf(wheelie), &over);
  const LPARAM atWheelie = MAKELPARAM(over.left + 10, over.top + 10);
  CHECK(SendMessageW(handleOf(panel), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), atWheelie) == 0);
  CHECK(turns.count == 1);
  CHECK(turns.last == Box::kWheel);
  CHECK(wheelie->wheelStep() == -static_cast<std::int32_t>(lines));
  SendMessageW(handleOf(panel), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), atWheelie);
  CHECK(wheelie->wheelStep() == static_cast<std::int32_t>(lines));

  // Over the other child nobody takes it: the owning window gets it.
  RECT beside{};
  GetWindowRect(handleOf(plain), &beside);
  const int before = test.root().wheels;
  SendMessageW(handleOf(panel), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
               MAKELPARAM(beside.left + 10, beside.top + 10));
  CHECK(test.root().wheels == before + 1);
  CHECK(turns.count == 2);
}

TEST_CASE("files dropped on a box are listed in drop order and reported with code 1") {
  TestWindow test(60, 60, 160, 100);
  REQUIRE(test.window() != nullptr);
  Box* box = sizedBox(100, 60);
  Heard drops;
  box->addFilesDroppedListener(&drops);
  test.root().addChild(box);
  CHECK((GetWindowLongPtrW(handleOf(box), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);

  SendMessageW(handleOf(box), WM_DROPFILES,
               reinterpret_cast<WPARAM>(dropOf({L"C:\\one.txt", L"D:\\two\\three.jpg"})), 0);
  CHECK(drops.count == 1);
  CHECK(drops.last == Box::kFilesDropped);
  CHECK(drops.from == static_cast<s::base::IObject*>(box));
  REQUIRE(box->droppedFiles().count() == 2);
  CHECK(box->droppedFiles().at(0)->equals(*s::str::strbuffer::newStr(u"C:\\one.txt")));
  CHECK(box->droppedFiles().at(1)->equals(*s::str::strbuffer::newStr(u"D:\\two\\three.jpg")));

  // A second drop replaces the list.
  SendMessageW(handleOf(box), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({L"E:\\four"})), 0);
  REQUIRE(box->droppedFiles().count() == 1);
  CHECK(box->droppedFiles().at(0)->equals(*s::str::strbuffer::newStr(u"E:\\four")));
}
