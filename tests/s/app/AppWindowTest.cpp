// The window binding over the build's registry (in-memory on the host, Wine's on Windows), in a
// settings area of its own.
#include <doctest/doctest.h>

#include <string>

#include "s/app/AppWindow.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/VirtualScreen.h"
#include "s/gui/drawer/Skinner.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/FakeApp.h"
#include "support/TestStoreArea.h"

using s::app::win::AppWindow;
using s::app::win::createAppWindow;

namespace {

constexpr const char16_t* kArea = u"VexoTest-appwindow";

s::base::Owned<AppWindow> mainWindow(support::FakeApp& app) {
  return createAppWindow(&app, u"MainWindow", u"Freeware", 230, 230, nullptr, nullptr);
}

std::u16string text(const char16_t* value) { return value != nullptr ? value : u"<null>"; }

}  // namespace

TEST_CASE("a fresh binding gives the defaults and files the identity in the window's sections") {
  support::TestStoreArea area(kArea);
  support::FakeApp app(area.base());
  auto window = mainWindow(app);

  CHECK(text(window->windowName()) == u"MainWindow");
  CHECK(text(window->sectionPath(u"View")) == u"MainWindow\\View");
  CHECK(window->titleEntry() == 500000);
  CHECK(window->localizer() == app.localizer());
  CHECK_FALSE(window->hasStoredPosition());
  CHECK_FALSE(window->hasWidth());
  CHECK(window->getX() == 0);
  CHECK(window->getWidth() == 230);
  CHECK(window->getHeight() == 230);
  CHECK(window->getEasyDrag());
  CHECK_FALSE(window->getMaximized());
  CHECK(window->getKeepOnTop());
  CHECK(window->getOnMClick() == s::gui::kActionClose);
  CHECK(window->onMClickIsClose());
  CHECK_FALSE(window->onMClickIsIconize());
  CHECK_FALSE(window->hasOwnSkin());

  CHECK(area.unnamedText(u"MainWindow\\SoftwareType") == u"Freeware");
  CHECK(area.unnamedText(u"MainWindow\\SoftwareID") == u"Vexo Ombrel");
  CHECK(area.unnamedText(u"MainWindow\\Version") == u"1.05");
  // Reading the defaults wrote none of them.
  CHECK_FALSE(area.section(u"MainWindow\\View")->isOpen());
  // Writing was suspended only while the identity went in.
  CHECK(app.store().autoSave());
}

TEST_CASE("geometry and view options round-trip to a new binding of the same window") {
  support::TestStoreArea area(kArea);
  support::FakeApp app(area.base());
  {
    auto window = mainWindow(app);
    window->saveBounds(-40, 25, 310, 280);
    window->setEasyDrag(false);
    window->setMaximized(true);
    window->setKeepOnTop(false);
    window->setOnMClick(u"iconize");
  }
  auto again = mainWindow(app);
  CHECK(again->hasStoredPosition());
  CHECK(again->getX() == -40);
  CHECK(again->getY() == 25);
  CHECK(again->getWidth() == 310);
  CHECK(again->getHeight() == 280);
  CHECK_FALSE(again->getEasyDrag());
  CHECK(again->getMaximized());
  CHECK_FALSE(again->getKeepOnTop());
  CHECK(again->getOnMClick() == s::gui::kActionIconize);
  CHECK(area.section(u"MainWindow\\View")->getString(u"OnMClick", u"", nullptr, false) ==
        std::u16string(u"Iconize"));

  // Another window's sections are its own.
  auto about = createAppWindow(&app, u"AboutWindow", u"Freeware", 340, 285, nullptr, nullptr);
  CHECK_FALSE(about->hasStoredPosition());
  CHECK(about->getWidth() == 340);
  CHECK(about->getOnMClick() == s::gui::kActionClose);

  again->deleteBounds();
  CHECK_FALSE(again->hasX());
  CHECK_FALSE(again->hasY());
  CHECK(again->getWidth() == 230);
  CHECK(again->getHeight() == 230);
  again->saveSize(250, 260);
  CHECK_FALSE(again->hasStoredPosition());
  CHECK(again->getHeight() == 260);
}

TEST_CASE("a stored middle-click action is normalised when the window is bound") {
  struct Case {
    const char16_t* stored;
    const char16_t* action;
  };
  const Case cases[] = {{u"ICONIZE", s::gui::kActionIconize},
                        {u"donothing", s::gui::kActionDoNothing},
                        {u"Explode", s::gui::kActionDoNothing},
                        {u"", s::gui::kActionDoNothing}};
  for (const Case& c : cases) {
    support::TestStoreArea area(kArea);
    support::FakeApp app(area.base());
    app.store().setString(u"MainWindow\\View", u"OnMClick", c.stored);
    auto window = mainWindow(app);
    CAPTURE(std::u16string(c.stored).size());
    CHECK(window->getOnMClick() == c.action);
  }
}

TEST_CASE("a stored width or height is valid from 10 up to the virtual screen") {
  support::TestStoreArea area(kArea);
  support::FakeApp app(area.base());
  auto window = mainWindow(app);
  const s::gui::ScreenRect screen = s::gui::virtualScreen();
  REQUIRE(screen.width > 10);
  REQUIRE(screen.height > 10);

  window->setWidth(9);
  window->setHeight(9);
  CHECK_FALSE(window->isWidthValid());
  CHECK_FALSE(window->isHeightValid());
  window->setWidth(10);
  window->setHeight(10);
  CHECK(window->isWidthValid());
  CHECK(window->isHeightValid());
  window->setWidth(screen.width);
  window->setHeight(screen.height);
  CHECK(window->isWidthValid());
  CHECK(window->isHeightValid());
  window->setWidth(screen.width + 1);
  window->setHeight(screen.height + 1);
  CHECK_FALSE(window->isWidthValid());
  CHECK_FALSE(window->isHeightValid());
}

TEST_CASE("a window with a localizer of its own is switched to the stored language on binding") {
  support::TestStoreArea area(kArea);
  support::FakeApp app(area.base());
  app.setLanguage(u"german");
  auto own =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
  s::lang::selectLanguage(*own, u"English");

  auto record = s::thread::obtain<AppWindow>();
  record->setLocalizerOverride(own.get());
  s::app::win::bindAppWindow(u"Freeware", &app, u"AboutWindow", *record, 340, 285, u"Close",
                             nullptr, nullptr);
  CHECK(record->localizer() == own.get());
  CHECK(text(s::lang::currentPack(*own)->engName().text()) == u"German");
  // The application's own localizer is left alone.
  CHECK(s::lang::currentPack(*app.localizer()) != s::lang::currentPack(*own));
}

TEST_CASE("a window with a skin of its own takes its stored scheme, else the given style") {
  support::TestStoreArea area(kArea);
  support::FakeApp app(area.base());
  auto skin = s::gui::drawer::Skinner::createThinWindow();
  auto about = [&] {
    return createAppWindow(&app, u"AboutWindow", u"Freeware", 340, 285, skin.get(), u"Classic LG");
  };
  {
    auto window = about();
    CHECK(window->hasOwnSkin());
    CHECK(window->skin() == skin.get());
    CHECK(text(window->styleName()) == u"Classic LG");
    REQUIRE(skin->currentScheme() != nullptr);
    CHECK(text(skin->currentScheme()->name().text()) == u"Classic LG");
    // Choosing another scheme is kept for the next binding.
    window->setStyleName(u"Salmon Red");
  }
  CHECK(area.unnamedText(u"AboutWindow\\Skin") == u"Salmon Red");
  auto again = about();
  CHECK(text(again->styleName()) == u"Salmon Red");
  CHECK(text(skin->currentScheme()->name().text()) == u"Salmon Red");

  // The application's own skin (none here) is not a skin of the window's own.
  auto main = mainWindow(app);
  CHECK_FALSE(main->hasOwnSkin());
  CHECK(text(main->styleName()) == u"");
}
