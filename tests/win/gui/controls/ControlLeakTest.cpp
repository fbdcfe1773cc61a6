#include <doctest/doctest.h>
#include <windows.h>

#include "ControlTestKit.h"
#include "s/gui/Box.h"
#include "s/gui/Spacer.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/ProgressBar.h"
#include "s/gui/win/StatusBar.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"
#include "support/win/TestWindow.h"

using namespace controls_test;
using s::thread::takeFromPool;
using support::TestWindow;

namespace {

// A tree shaped like the tool window's: a column of two buttons between spacers, and a
// status bar with a status label, a progress bar and a link; plus a banner and a skinned
// close box as the About window has them.
void buildTree(s::gui::IComponent& root, s::gui::drawer::Skinner& skin,
               s::image::win::BufferedImage* picture) {
  auto* column = takeFromPool<s::gui::win::Box>();
  column->setSize100Percent();
  column->setVerticalGap(2);
  column->setHorizontalMargins(8);
  auto* spacer = takeFromPool<s::gui::win::Spacer>();
  spacer->setOrientation(s::gui::win::Spacer::kVertical);
  spacer->setFixedHeight(12);
  column->addChild(spacer);
  for (const char16_t* caption : {u"Increase it Now!", u"Undo the Change"}) {
    auto* button = takeFromPool<s::gui::win::Button>();
    button->setText(caption);
    button->setWidthPercentage(100);
    button->setFixedHeight(40);
    button->setFontSizeCode(5);
    column->addChild(button);
  }
  auto* close = takeFromPool<s::gui::win::Button>();
  close->setText(u"#X");
  close->setFixedWidth(50);
  close->setFixedHeight(14);
  close->setDrawer(skin.currentScheme()->buttonDrawer(), false);
  column->addChild(close);
  auto* banner = takeFromPool<s::gui::win::Image>();
  banner->setPicture(picture, false);
  banner->setWidthPercentage(100);
  banner->setFixedHeight(30);
  column->addChild(banner);
  auto* check = takeFromPool<s::gui::win::CheckBox>();
  check->setText(u"Keep on Top");
  column->addChild(check);

  auto* bar = takeFromPool<s::gui::win::StatusBar>();
  bar->showSizeGrip(true);
  auto* status = takeFromPool<s::gui::win::Label>();
  status->setText(u"Ready", false);
  status->setFontSizeCode(100001);
  bar->addChild(status);
  auto* progress = takeFromPool<s::gui::win::ProgressBar>();
  progress->setFixedWidth(100);
  progress->setFixedHeight(16);
  bar->addChild(progress);
  auto* link = takeFromPool<s::gui::win::Label>();
  link->setText(u"vexo", false);
  link->setLinkMode(true);
  link->stateFont(2).setTextColour(51, 51, 51);
  link->stateFont(3).setTextColour(0, 0, 238);
  bar->addChild(link);

  root.addChild(column);
  root.addChild(bar);
  root.relayout();
}

}  // namespace

TEST_CASE("building and releasing a tree of controls 100 times leaks no GDI or USER object") {
  TestWindow test(60, 60, 230, 230);
  REQUIRE(test.window() != nullptr);
  s::base::Owned<s::gui::drawer::Skinner> skin = s::gui::drawer::Skinner::createThinWindow();
  skin->selectScheme(u"Classic LG");
  s::base::Owned<s::image::win::BufferedImage> picture =
      s::thread::obtain<s::image::win::BufferedImage>();
  REQUIRE(picture->create(70, 23));

  auto round = [&] {
    buildTree(test.root(), *skin, picture.get());
    // Painted at least once, so painting's objects are counted too.
    RedrawWindow(test.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    REQUIRE(test.root().childCount() == 2);
    test.root().removeAllChildren();
  };
  // Rounds first: classes, pools, the picture's scaled copy and the platform's caches fill.
  for (int i = 0; i < 3; ++i) round();
  test.settle();
  const DWORD gdi = gdiObjects();
  const DWORD user = userObjects();
  for (int i = 0; i < 100; ++i) round();
  test.settle();
  CHECK(gdiObjects() == gdi);
  CHECK(userObjects() == user);
}
