// A window with a skin of its own: frameless, its face painted by the current scheme's window
// drawer, following scheme changes and keeping the scheme's name in its binding.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/app/AppWindow.h"
#include "s/app/win/AppBase.h"
#include "s/gui/Box.h"
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

TEST_CASE(
    "window skin: transparent children show the face and frame; given back, it leaves the skin") {
  support::TestStoreArea area(u"VexoTest-windowskin");
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<s::app::win::AppBase>();
  REQUIRE(app->initialize(s::app::win::AppSetup{module.c_str(), area.base()}));
  auto skin = s::gui::drawer::Skinner::createThinWindow();
  auto binding = s::app::win::createAppWindow(app.get(), u"AboutWindow", app->editionWord(), 200,
                                              120, skin.get(), u"Classic LG");
  const std::uint32_t listeners = skin->listenerCount();
  auto window = s::thread::obtain<Window>();
  window->bind(binding.get());
  const s::gui::drawer::Colour face = window->windowFrameDrawer()->faceColour();
  const s::gui::drawer::Colour frame = window->windowFrameDrawer()->borderColour();
  REQUIRE(face != frame);
  // A panel over the whole client area, and one inside it that has nothing to show but what
  // lies behind.
  auto outer = s::thread::obtain<s::gui::win::Box>();
  outer->setSize100Percent();
  auto inner = s::thread::obtain<s::gui::win::Box>();
  inner->setSize100Percent();
  s::gui::win::Box* innerBox = inner.get();
  outer->addChild(inner.detach());
  outer->setAllMargins(10);
  window->addChild(outer.detach());
  CHECK(innerBox->effectiveBackground() == face);
  window->show(true, false);
  window->relayout();
  RedrawWindow(window->handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Each box paints on the window's thread, in its own time.
  auto shows = [&](int x, int y, s::gui::drawer::Colour colour) {
    return support::eventually([&] { return pixelAt(window->handle(), x, y) == colour; });
  };
  CHECK(shows(0, 60, frame));
  CHECK(shows(199, 60, frame));
  CHECK(shows(100, 0, frame));
  CHECK(shows(5, 60, face));
  CHECK(shows(100, 60, face));
  window->close();
  // Given back, the window no longer follows the skin: its next user may have none.
  window.reset();
  CHECK(skin->listenerCount() == listeners);
}
