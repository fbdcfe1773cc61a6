// A window with a skin of its own: frameless, its face painted by the current scheme's window
// drawer, following scheme changes and keeping the scheme's name in its binding.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/app/AppWindow.h"
#include "s/app/win/AppBase.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Window.h"
#include "s/thread/Pool.h"
#include "support/TestStoreArea.h"
#include "support/win/ResourceModule.h"
#include "support/win/WindowEvents.h"

using s::gui::win::Window;

namespace {

COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

}  // namespace

TEST_CASE("window skin: the stored scheme is applied and scheme changes reach the window") {
  support::TestStoreArea area(u"VexoTest-windowskin");
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<s::app::win::AppBase>();
  REQUIRE(app->initialize(s::app::win::AppSetup{module.c_str(), area.base()}));
  auto skin = s::gui::drawer::Skinner::createThinWindow();
  REQUIRE(skin->schemeCount() > 1);
  // A scheme chosen in an earlier run.
  app->settingsStore()->setString(u"AboutWindow\\Skin", u"", u"Sky Blue");

  auto binding = s::app::win::createAppWindow(app.get(), u"AboutWindow", app->editionWord(), 340,
                                              285, skin.get(), u"Classic LG");
  CHECK(binding->hasOwnSkin());
  CHECK(std::u16string(binding->styleName()) == u"Sky Blue");
  REQUIRE(skin->currentScheme() != nullptr);
  CHECK(std::u16string(skin->currentScheme()->name().text()) == u"Sky Blue");

  auto window = s::thread::obtain<Window>();
  window->bind(binding.get());
  window->show(true, false);
  CHECK(window->windowFrameDrawer() == skin->currentScheme()->windowDrawer());
  CHECK_FALSE(window->isFramed());
  CHECK((GetWindowLongPtrW(window->handle(), GWL_STYLE) & WS_POPUP) != 0);
  // The face is what the drawer says, in the middle of the client area.
  RECT client{};
  GetClientRect(window->handle(), &client);
  UpdateWindow(window->handle());
  const s::gui::drawer::Colour face = window->windowFrameDrawer()->faceColour();
  CHECK(support::eventually(
      [&] { return pixelAt(window->handle(), client.right / 2, client.bottom / 2) == face; }));

  skin->selectScheme(u"Classic LG");
  CHECK(window->windowFrameDrawer() == skin->currentScheme()->windowDrawer());
  CHECK(area.unnamedText(u"AboutWindow\\Skin") == u"Classic LG");
  window->close();
}
