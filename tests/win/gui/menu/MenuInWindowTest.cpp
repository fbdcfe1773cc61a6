// The menus in the program's own top-level window: the window offers menu commands to its
// menu bar and its context menu, and the bar opens its pop-ups there on a real click.
#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>

#include "s/gui/MenuEx.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/Window.h"
#include "s/thread/Pool.h"
#include "support/ToolWindowMenus.h"
#include "support/win/RealInput.h"

using s::gui::win::MenuEx;
using s::gui::win::PopupMenu;
using s::gui::win::Window;

namespace {

class Selections final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject* source, std::int32_t code) override {
    last = source;
    lastCode = code;
    ++count;
  }
  std::atomic<s::base::IObject*> last{nullptr};
  std::atomic<std::int32_t> lastCode{-1};
  std::atomic<int> count{0};
};

template <class Condition>
bool eventually(Condition condition) {
  for (int i = 0; i < 300; ++i) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

HWND visibleMenuWindow() {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"#32768", nullptr)) != nullptr) {
    if (IsWindowVisible(window) != 0) return window;
  }
  return nullptr;
}

}  // namespace

TEST_CASE(
    "a window offers menu commands to its bar and its context menu, and the bar opens its "
    "pop-ups in it") {
  auto localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  window->setBounds(150, 150, 320, 200);

  support::ToolWindowMenus menus = support::buildToolWindowMenus(localizer.get(), true, true, true);
  auto* bar = s::thread::takeFromPool<MenuEx>();
  bar->setWidthPercentage(100);
  bar->setTitleSpacing(6, 3);
  bar->addMenuTitle(std::move(menus.view));
  bar->addMenuTitle(std::move(menus.language));
  bar->addMenuTitle(std::move(menus.about));
  Selections fromBar;
  bar->addSelectionListener(&fromBar);
  window->addChild(bar);
  window->attachMenuBar(bar);
  auto context = s::thread::obtain<PopupMenu>();
  context->addItem(s::gui::menuitem::newMenuItemWithText(u"Hide", 4000, false));
  Selections fromContext;
  context->addSelectionListener(&fromContext);
  window->setContextMenu(context.get());
  window->show(true, true);
  window->relayout();
  REQUIRE(bar->nativeWindow() != nullptr);

  // Menu commands (no sender) reach the window itself when a menu was shown with it as owner.
  PostMessageW(window->handle(), WM_COMMAND, 120, 0);
  CHECK(eventually([&] { return fromBar.count == 1; }));
  CHECK(bar->selectedCommandId() == 120);
  CHECK(fromBar.lastCode == 0);
  PostMessageW(window->handle(), WM_COMMAND, 4000, 0);
  CHECK(eventually([&] { return fromContext.count == 1; }));
  CHECK(context->lastSelectedCommandId() == 4000);
  CHECK(fromContext.last == static_cast<s::base::IObject*>(context.get()));
  CHECK(fromBar.count == 1);

  const s::gui::drawer::Rect title = bar->titleRect(1);
  POINT at{(title.left + title.right) / 2, (title.top + title.bottom) / 2};
  ClientToScreen(static_cast<HWND>(bar->nativeWindow()), &at);
  SetForegroundWindow(window->handle());
  // Under Wine the display's pointer can lag behind the cursor put by this thread, so that a
  // click lands where the pointer was: a user whose click missed clicks again.
  bool opened = false;
  for (int attempt = 0; attempt < 3 && !opened; ++attempt) {
    support::clickAtScreen(at);
    opened = eventually([] { return visibleMenuWindow() != nullptr; });
  }
  CHECK(opened);
  CHECK(bar->openIndex() == 1);
  support::pressKey(VK_ESCAPE);
  if (!eventually([] { return visibleMenuWindow() == nullptr; })) {
    // The menu loop reads its thread's queue whatever window has the keyboard.
    PostMessageW(visibleMenuWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    FAIL_CHECK("Escape did not reach the open menu");
  }
  CHECK(eventually([] { return visibleMenuWindow() == nullptr; }));
  CHECK(eventually([&] { return bar->openIndex() == -1; }));

  window->setContextMenu(nullptr);
  window->attachMenuBar(nullptr);
  window->close();
  window->waitUntilClosed();
}
