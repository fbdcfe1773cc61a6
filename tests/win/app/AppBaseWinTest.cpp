// The application object on the program's resource module, with its settings in a test area
// of the prefix's registry.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/app/win/AppBase.h"
#include "s/lang/Lang.h"
#include "s/reg/MappedData.h"
#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/thread/Pool.h"
#include "support/TestStoreArea.h"
#include "support/win/ResourceModule.h"

using s::app::win::AppBase;
using s::app::win::AppSetup;

namespace {

constexpr const char16_t* kArea = u"VexoTest-appbase";

int iconWidth(void* icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(static_cast<HICON>(icon), &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

std::u16string text(const char16_t* value) { return value != nullptr ? value : u"<null>"; }

std::u16string currentLanguage(AppBase& app) {
  return s::lang::currentPack(*app.localizer())->engName().text();
}

}  // namespace

TEST_CASE("app: initialisation reads the module's packs, icons and pictures") {
  support::TestStoreArea area(kArea);
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<AppBase>();
  REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));

  CHECK(app->isFreeware());
  CHECK(text(app->editionWord()) == u"Freeware");
  CHECK(app->titleEntry() == 500000);
  CHECK(text(app->moduleInformation().path->text()) == module);
  CHECK(text(app->moduleInformation().folder->text()) ==
        module.substr(0, module.find_last_of(u'\\')));
  REQUIRE(app->commandLine() != nullptr);
  REQUIRE(app->resourceArchive() != nullptr);
  CHECK(app->resourceArchive()->isOpen());
  CHECK(app->resource(130) != nullptr);
  CHECK(app->resource(4711) == nullptr);
  REQUIRE(app->localizer() != nullptr);
  CHECK(app->localizer()->packCount() == 27);

  CHECK(iconWidth(app->icon16()) == 16);
  CHECK(iconWidth(app->icon32()) == 32);
  CHECK(iconWidth(app->icon64()) == 64);

  REQUIRE(app->image131() != nullptr);
  // Decoded once, on first use.
  CHECK(app->image131() == app->image131());
  CHECK(app->image131()->width() == 700);
  CHECK(app->image131()->height() == 230);
  REQUIRE(app->image132() != nullptr);
  CHECK(app->image132()->width() == 230);
  CHECK(app->image132()->height() == 700);
  CHECK_FALSE(app->hasSkin());
}

TEST_CASE("app: a fresh profile gets the identification values; the language is written back") {
  support::TestStoreArea area(kArea);
  const std::u16string module = vexo_test::resourceModulePath();

  SUBCASE("fresh profile") {
    auto app = s::thread::obtain<AppBase>();
    REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
    CHECK(area.unnamedText(u"SoftwareType") == u"Freeware");
    CHECK(area.unnamedText(u"SoftwareID") == u"Vexo Ombrel");
    CHECK(area.unnamedText(u"Version") == u"1.05");
    // The pack chosen for the system's language is recorded, so the next start keeps it.
    CHECK_FALSE(currentLanguage(*app).empty());
    CHECK(area.unnamedText(u"Language") == currentLanguage(*app));
    CHECK(text(app->getLanguage()) == currentLanguage(*app));
    // Writing runs again once start-up is done.
    CHECK(app->settingsStore()->autoSave());
  }
  SUBCASE("a name no pack has falls back to English, which is written back") {
    auto store = s::reg::OpenRegistryStore(area.base());
    store->setString(u"Language", u"", u"Klingon");
    auto app = s::thread::obtain<AppBase>();
    REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
    CHECK(currentLanguage(*app) == u"English");
    CHECK(area.unnamedText(u"Language") == u"English");
  }
  SUBCASE("a stored name in another letter case is used and left as it is") {
    auto store = s::reg::OpenRegistryStore(area.base());
    store->setString(u"Language", u"", u"german");
    auto app = s::thread::obtain<AppBase>();
    REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
    CHECK(currentLanguage(*app) == u"German");
    CHECK(area.unnamedText(u"Language") == u"german");
    CHECK(text(s::lang::textOf(*app->localizer(), 500010)) == u"1.05");
  }
}

TEST_CASE("app: without a store path the settings live under the product's own key") {
  // The product's real key: used only when no earlier run left one, and removed afterwards.
  constexpr const char16_t* kProduct = u"Software\\Vexo\\Vexo Ombrel";
  auto product = s::reg::OpenRegDir(s::reg::kHkeyCurrentUser, kProduct);
  if (product->isOpen()) {
    MESSAGE("the product's settings key exists already; left alone");
    return;
  }
  support::TestStoreArea cleanup(u"Vexo Ombrel");
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<AppBase>();
  REQUIRE(app->initialize(AppSetup{module.c_str(), nullptr}));
  CHECK(cleanup.unnamedText(u"SoftwareID") == u"Vexo Ombrel");
}

TEST_CASE("app: release gives everything back and leaves a clean object for the pool") {
  support::TestStoreArea area(kArea);
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<AppBase>();
  REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
  HICON icon = static_cast<HICON>(app->icon32());
  REQUIRE(icon != nullptr);
  REQUIRE(app->image131() != nullptr);
  app->flushStore();
  CHECK(app->storeFlushed());

  app->reset();
  CHECK(app->localizer() == nullptr);
  CHECK(app->settingsStore() == nullptr);
  CHECK(app->resourceArchive() == nullptr);
  CHECK(app->commandLine() == nullptr);
  CHECK(app->icon16() == nullptr);
  CHECK(app->image131() == nullptr);
  CHECK_FALSE(app->storeFlushed());
  CHECK(text(app->moduleInformation().path->text()) == u"");
  CHECK(text(app->editionWord()) == u"Freeware");
  CHECK(app->titleEntry() == 500000);
  // The icons were destroyed with the icon set.
  ICONINFO info{};
  CHECK_FALSE(GetIconInfo(icon, &info));

  // The same object initialises again.
  REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
  CHECK(app->localizer()->packCount() == 27);
  // A picture decoded by the previous user is decoded again from the new resources.
  REQUIRE(app->image131() != nullptr);
  CHECK(app->image131()->width() == 700);
}

TEST_CASE("app: no other copy of this test program runs") {
  support::TestStoreArea area(kArea);
  const std::u16string module = vexo_test::resourceModulePath();
  auto app = s::thread::obtain<AppBase>();
  REQUIRE(app->initialize(AppSetup{module.c_str(), area.base()}));
  // The module path is a library no process runs as its program.
  CHECK_FALSE(app->findOtherInstance(true, false, true));
  CHECK_FALSE(app->findOtherInstanceOnDesktop(true, true, false));
}
