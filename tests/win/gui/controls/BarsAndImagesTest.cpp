#include <doctest/doctest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "ControlTestKit.h"
#include "s/gui/Box.h"
#include "s/gui/layout/Pile.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/ProgressBar.h"
#include "s/gui/win/StatusBar.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"
#include "support/win/TestWindow.h"

using namespace controls_test;
using s::gui::win::Image;
using s::gui::win::ProgressBar;
using s::gui::win::StatusBar;
using support::TestWindow;

namespace {

// A picture whose left half is one colour and right half another.
s::image::win::BufferedImage* halves(int width, int height, COLORREF left, COLORREF right) {
  auto* picture = s::thread::takeFromPool<s::image::win::BufferedImage>();
  REQUIRE(picture->create(width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = x < width / 2 ? left : right;
      const std::uint8_t bgra[4] = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 255};
      std::memcpy(picture->row(y) + x * 4, bgra, 4);
    }
  }
  return picture;
}

}  // namespace

TEST_CASE("a progress bar keeps range and position and hands them to its control") {
  TestWindow test(60, 60, 230, 60);
  REQUIRE(test.window() != nullptr);
  auto* bar = s::thread::takeFromPool<ProgressBar>();
  bar->setFixedWidth(100);
  bar->setFixedHeight(16);
  bar->setRange(10, 50);
  bar->setPosition(30);
  CHECK(bar->nativeWindow() == nullptr);
  CHECK(bar->position() == 30);
  test.root().addChild(bar);
  test.root().relayout();
  HWND control = handleOf(bar);
  REQUIRE(control != nullptr);
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  CHECK(lstrcmpiW(name, PROGRESS_CLASSW) == 0);
  RECT area{};
  GetClientRect(control, &area);
  CHECK(area.right == 100);
  CHECK(area.bottom == 16);
  CHECK(SendMessageW(control, PBM_GETRANGE, TRUE, 0) == 10);
  CHECK(SendMessageW(control, PBM_GETRANGE, FALSE, 0) == 50);
  CHECK(SendMessageW(control, PBM_GETPOS, 0, 0) == 30);
  bar->setRange(0, 200);
  bar->setPosition(150);
  CHECK(SendMessageW(control, PBM_GETRANGE, FALSE, 0) == 200);
  CHECK(SendMessageW(control, PBM_GETPOS, 0, 0) == 150);
  CHECK(bar->maximum() == 200);
}

TEST_CASE("an image of fixed height and full width shows its whole picture stretched") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  moveAway();
  const COLORREF red = RGB(200, 30, 30);
  const COLORREF blue = RGB(30, 30, 200);
  auto* banner = s::thread::takeFromPool<Image>();
  banner->setPicture(halves(70, 23, red, blue), true);
  CHECK(banner->preferredWidth() == 70);
  banner->setWidthPercentage(100);
  banner->setFixedHeight(100);
  test.root().addChild(banner);
  test.root().relayout();
  REQUIRE(handleOf(banner) != nullptr);
  test.settle();
  const Pixels shown(handleOf(banner));
  REQUIRE(shown.width() == 230);
  REQUIRE(shown.height() == 100);
  for (const int y : {0, 50, 99}) {
    CAPTURE(y);
    CHECK(shown.at(0, y) == red);
    CHECK(shown.at(100, y) == red);
    CHECK(shown.at(130, y) == blue);
    CHECK(shown.at(229, y) == blue);
  }
}

TEST_CASE("a status bar holds its children in the client box and lets the mouse through") {
  TestWindow test(60, 60, 230, 100);
  REQUIRE(test.window() != nullptr);
  auto* bar = s::thread::takeFromPool<StatusBar>();
  CHECK(bar->layoutManager() == &s::gui::layout::Pile::instance());
  CHECK(bar->preferredHeight() == 23);
  bar->showSizeGrip(true);
  auto* label = s::thread::takeFromPool<s::gui::win::Label>();
  label->setText(u"Ready", false);
  bar->addChild(label);
  CHECK(label->parent() == bar->clientBox());
  CHECK(bar->childCount() == 1);
  test.root().addChild(bar);
  test.root().relayout();
  REQUIRE(handleOf(bar) != nullptr);

  RECT area{};
  GetClientRect(handleOf(bar), &area);
  CHECK(area.right == 230);
  CHECK(area.bottom == 23);
  CHECK(hitTestAt(bar, screenPointOf(bar, 100, 10)) == HTTRANSPARENT);
  CHECK(IsChild(handleOf(bar), handleOf(label)) != 0);

  // The grip: a 12 x 12 image in the bar's bottom-right corner, sizing the window when the
  // window can be sized, else letting the mouse through.
  auto* content = bar->content();
  REQUIRE(content != nullptr);
  s::gui::IComponent* corner = content->childAt(1);
  REQUIRE(corner != nullptr);
  s::gui::IComponent* grip = corner->childAt(0);
  REQUIRE(grip != nullptr);
  CHECK(std::u16string(grip->className()) == u"s_gui_win_Image");
  auto* gripImage = dynamic_cast<s::gui::win::Image*>(grip);
  REQUIRE(gripImage != nullptr);
  CHECK(std::u16string(gripImage->glyph().text()) == u"#Resizer");
  REQUIRE(handleOf(grip) != nullptr);
  CHECK(IsWindowVisible(handleOf(grip)) != 0);
  RECT gripArea{};
  GetWindowRect(handleOf(grip), &gripArea);
  RECT barArea{};
  GetWindowRect(handleOf(bar), &barArea);
  CHECK(gripArea.right == barArea.right);
  CHECK(gripArea.bottom == barArea.bottom);
  CHECK(gripArea.right - gripArea.left == 12);
  CHECK(gripArea.bottom - gripArea.top == 12);
  const POINT onGrip = screenPointOf(grip, 6, 6);
  CHECK(hitTestAt(grip, onGrip) == HTTRANSPARENT);
  SetWindowLongPtrW(test.window(), GWL_STYLE,
                    GetWindowLongPtrW(test.window(), GWL_STYLE) | WS_THICKFRAME);
  CHECK(hitTestAt(grip, onGrip) == HTBOTTOMRIGHT);

  bar->showSizeGrip(false);
  CHECK(IsWindowVisible(handleOf(grip)) == 0);
}
