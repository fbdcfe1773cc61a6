// A window bound to its settings record: icons, title and options from the application, and
// its place and size kept in the registry store from one window to the next.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/app/AppWindow.h"
#include "s/app/win/AppBase.h"
#include "s/gui/IWindow.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/VirtualScreen.h"
#include "s/gui/win/Window.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/TestStoreArea.h"
#include "support/win/ResourceModule.h"
#include "support/win/WindowEvents.h"

using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::gui::IWindow;
using s::gui::win::Window;

namespace {

constexpr const char16_t* kArea = u"VexoTest-window";

struct Application {
  support::TestStoreArea area{kArea};
  std::u16string module = vexo_test::resourceModulePath();
  s::base::Owned<AppBase> app = s::thread::obtain<AppBase>();
  Application() {
    REQUIRE(app->initialize(s::app::win::AppSetup{module.c_str(), area.base()}));
    s::lang::selectLanguage(*app->localizer(), u"English");
  }
  s::base::Owned<AppWindow> mainBinding() {
    return s::app::win::createAppWindow(app.get(), u"MainWindow", app->editionWord(), 230, 230,
                                        nullptr, nullptr);
  }
};

RECT windowRect(const Window& window) {
  RECT r{};
  GetWindowRect(window.handle(), &r);
  return r;
}

std::wstring windowText(const Window& window) {
  wchar_t text[128] = {};
  GetWindowTextW(window.handle(), text, 128);
  return text;
}

}  // namespace

TEST_CASE("window binding: icons, title and options come from the application and the record") {
  Application application;
  auto binding = application.mainBinding();
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  window->bind(binding.get());

  CHECK(reinterpret_cast<HICON>(SendMessageW(window->handle(), WM_GETICON, ICON_SMALL, 0)) ==
        application.app->icon16());
  CHECK(reinterpret_cast<HICON>(SendMessageW(window->handle(), WM_GETICON, ICON_BIG, 0)) ==
        application.app->icon32());
  CHECK(windowText(*window) == L"Vexo Ombrel");
  CHECK(window->localizer() == application.app->localizer());
  // The record's defaults: easy drag and keep on top on, close by middle click.
  CHECK(window->isEasyDrag());
  CHECK(window->isKeptOnTop());
  CHECK((GetWindowLongPtrW(window->handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(window->middleClickAction() == s::gui::kActionClose);
  const RECT r = windowRect(*window);
  CHECK(r.right - r.left == 230);
  CHECK(r.bottom - r.top == 230);

  // A language change through the localizer: the title follows, "Language" is stored, 20 fires.
  support::EventLog log;
  window->addListener(IWindow::kLanguageChanged, &log);
  s::lang::selectLanguage(*application.app->localizer(), u"German");
  CHECK(log.count(IWindow::kLanguageChanged) == 1);
  CHECK(application.area.unnamedText(u"Language") == u"German");
  CHECK(windowText(*window) ==
        reinterpret_cast<const wchar_t*>(s::lang::textOf(*application.app->localizer(), 500000)));
}

TEST_CASE("window binding: place, size and options round-trip to the next window") {
  Application application;
  const s::gui::ScreenRect area = s::gui::workArea();
  const int x = area.x + 37;
  const int y = area.y + 45;
  {
    auto binding = application.mainBinding();
    auto window = s::thread::obtain<Window>();
    window->bind(binding.get());
    window->show(true, false);
    window->setBounds(x, y, 260, 240);
    window->setEasyDrag(false);
    window->setKeepOnTop(false);
    window->setMiddleClickAction(u"Iconize");
    window->close();
    REQUIRE(window->hasClosed());
  }
  auto binding = application.mainBinding();
  CHECK(binding->hasStoredPosition());
  CHECK(binding->getX() == x);
  CHECK(binding->getWidth() == 260);
  auto window = s::thread::obtain<Window>();
  window->bind(binding.get());
  window->show(true, false);
  const RECT r = windowRect(*window);
  CHECK(r.left == x);
  CHECK(r.top == y);
  CHECK(r.right - r.left == 260);
  CHECK(r.bottom - r.top == 240);
  CHECK_FALSE(window->isEasyDrag());
  CHECK_FALSE(window->isKeptOnTop());
  CHECK((GetWindowLongPtrW(window->handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
  CHECK(window->middleClickAction() == s::gui::kActionIconize);
}

TEST_CASE("window binding: a stored place off the virtual screen is not used") {
  Application application;
  const s::gui::ScreenRect screen = s::gui::virtualScreen();
  const s::gui::ScreenRect area = s::gui::workArea();
  struct Case {
    int x;
    int y;
  };
  // Fewer than 10 pixels inside, to the right and above.
  for (const Case& c : {Case{screen.right() - 9, area.y + 50}, Case{area.x + 50, -230 + 9}}) {
    auto binding = application.mainBinding();
    binding->saveBounds(c.x, c.y, 230, 230);
    auto window = s::thread::obtain<Window>();
    window->bind(binding.get());
    window->show(true, false);
    const RECT r = windowRect(*window);
    CAPTURE(c.x);
    CAPTURE(c.y);
    CHECK(r.left == area.x + (area.width - 230) / 2);
    CHECK(r.top == area.y + (area.height - 230) / 2);
    window->close();
  }
}
