// A window's life: destroying it ends its UI thread and leaves no window behind; a window
// given back for reuse keeps them, and forgets everything else.
#include <doctest/doctest.h>
#include <windows.h>

#include "s/gui/IWindow.h"
#include "s/gui/win/Window.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/win/ProcessWindows.h"
#include "support/win/WindowEvents.h"

using s::gui::IWindow;
using s::gui::win::Window;

TEST_CASE("window life: destroying a window ends its thread and leaves nothing behind") {
  const support::GuiCounts before = support::guiCounts();
  auto* window = new Window();
  REQUIRE(window->handle() != nullptr);
  HWND native = window->handle();
  HWND owner = window->ownerHandle();
  HANDLE thread = nullptr;
  REQUIRE(DuplicateHandle(GetCurrentProcess(), window->uiThread().handle(), GetCurrentProcess(),
                          &thread, SYNCHRONIZE, FALSE, 0));
  window->addChild(support::Block::make(20, 20, 40, 40));
  window->setBounds(50, 50, 200, 150);
  window->show(true, true);
  window->setTitle(u"Going away");
  window->setTransparency(70, false);
  REQUIRE(window->registerHotKey(false, true, true, false, 'J', u"VexoTestLifeKey", false));
  CHECK(support::processWindowCount() > before.windows);

  delete window;
  CHECK(WaitForSingleObject(thread, 0) == WAIT_OBJECT_0);
  CloseHandle(thread);
  CHECK_FALSE(IsWindow(native));
  CHECK_FALSE(IsWindow(owner));
  CHECK(support::eventually([&] { return support::guiCounts() == before; }));
}

TEST_CASE("window life: a window given back is closed, emptied and ready, its thread kept") {
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  support::EventLog log;
  window->addCloseListener(&log);
  window->addListener(IWindow::kKey, &log);
  window->addChild(support::Block::make(20, 20, 40, 40));
  window->setTitle(u"Before");
  window->show(true, false);
  const DWORD thread = window->uiThread().threadId();

  window->reset();
  // Reset tells nobody: the listeners were forgotten first.
  CHECK(log.codes().empty());
  CHECK(window->handle() != nullptr);
  CHECK(window->uiThread().isRunning());
  CHECK(window->uiThread().threadId() == thread);
  CHECK_FALSE(IsWindowVisible(window->handle()));
  CHECK_FALSE(window->hasClosed());
  CHECK(window->childCount() == 0);
  CHECK(std::u16string(window->title()).empty());
  CHECK(window->titleEntry() == -1);

  PostMessageW(window->handle(), WM_KEYDOWN, 'A', 1);
  Sleep(100);
  CHECK(log.codes().empty());
  // Usable again.
  window->show(true, false);
  window->close();
  CHECK(window->hasClosed());
}
