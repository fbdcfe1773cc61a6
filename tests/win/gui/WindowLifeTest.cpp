// A window's life: destroying it ends its UI thread and leaves no window behind; a window
// given back for reuse keeps them, and forgets everything else.
#include <doctest/doctest.h>
#include <windows.h>

#include "s/gui/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Window.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/win/GuiObjectCount.h"
#include "support/win/ProcessWindows.h"
#include "support/win/WindowEvents.h"

using s::gui::IWindow;
using s::gui::win::Window;

namespace {

// A 16 x 16 icon of the test's own, for the window to own and destroy.
HICON makeIcon() {
  BYTE andMask[32];
  BYTE xorMask[32];
  for (int i = 0; i < 32; ++i) {
    andMask[i] = 0;
    xorMask[i] = static_cast<BYTE>(i * 7);
  }
  return CreateIcon(GetModuleHandleW(nullptr), 16, 16, 1, 1, andMask, xorMask);
}

bool iconAlive(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return true;
}

// Everything a window can hold: a child, a painted face, an owned icon, a notification icon,
// transparency and a hot key.
void fill(Window& window, s::gui::drawer::Skinner& skin, HICON icon) {
  window.addChild(support::Block::make(20, 20, 40, 40));
  window.setBounds(50, 50, 200, 150);
  window.show(true, true);
  window.setTitle(u"Going away");
  window.setWindowFrameDrawer(skin.currentScheme()->windowDrawer());
  UpdateWindow(window.handle());
  // Only the small one: Wine itself keeps a GDI object per window that has both icons.
  window.setSmallIcon(icon, true);
  window.setTransparency(70, false);
  REQUIRE(window.registerHotKey(false, true, true, false, 'J', u"VexoTestLifeKey", false));
  REQUIRE(GlobalFindAtomW(L"VexoTestLifeKey") != 0);
  window.iconize();
  CHECK(window.isNotifyIconShown());
}

}  // namespace

TEST_CASE("window life: destroying a window ends its thread and leaves nothing behind") {
  // The skin is the caller's and outlives the window.
  auto skin = s::gui::drawer::Skinner::createThinWindow();
  skin->selectScheme(u"Classic LG");
  REQUIRE(skin->currentScheme() != nullptr);
  // A first window fills what the process keeps once (the system's first painting, the
  // drawers' caches); the second must give back everything it took.
  {
    auto* first = new Window();
    REQUIRE(first->handle() != nullptr);
    fill(*first, *skin, makeIcon());
    delete first;
  }
  const support::GuiCounts before = support::guiCounts();
  const DWORD gdiBefore = support::settledGdiObjectCount();
  const DWORD userBefore = support::userObjectCount();
  auto* window = new Window();
  REQUIRE(window->handle() != nullptr);
  HWND native = window->handle();
  HWND owner = window->ownerHandle();
  HANDLE thread = nullptr;
  REQUIRE(DuplicateHandle(GetCurrentProcess(), window->uiThread().handle(), GetCurrentProcess(),
                          &thread, SYNCHRONIZE, FALSE, 0));
  // The hidden owner keeps the window out of the taskbar and never shows there itself.
  CHECK(GetWindow(native, GW_OWNER) == owner);
  CHECK_FALSE(IsWindowVisible(owner));
  CHECK((GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
  CHECK((GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_APPWINDOW) == 0);
  HICON icon = makeIcon();
  REQUIRE(icon != nullptr);
  fill(*window, *skin, icon);
  CHECK(support::processWindowCount() > before.windows);

  delete window;
  CHECK(WaitForSingleObject(thread, 0) == WAIT_OBJECT_0);
  CloseHandle(thread);
  CHECK_FALSE(IsWindow(native));
  CHECK_FALSE(IsWindow(owner));
  CHECK_FALSE(iconAlive(icon));
  // Global atoms outlive the process: the hot key's name must have been given back.
  CHECK(GlobalFindAtomW(L"VexoTestLifeKey") == 0);
  CHECK(support::eventually([&] { return support::guiCounts() == before; }));
  CHECK(support::eventually([&] { return support::gdiObjectCount() == gdiBefore; }));
  CHECK(support::userObjectCount() == userBefore);
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
  HICON icon = makeIcon();
  HICON bigIcon = makeIcon();
  REQUIRE(icon != nullptr);
  REQUIRE(bigIcon != nullptr);
  window->setSmallIcon(icon, true);
  window->setBigIcon(bigIcon, true);
  window->setBackgroundColour(1, 2, 3, true);
  // Given back from the notification area.
  window->iconize();
  REQUIRE(window->isNotifyIconShown());
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
  CHECK_FALSE(window->isIconized());
  CHECK_FALSE(window->isNotifyIconShown());
  CHECK_FALSE(iconAlive(icon));
  CHECK_FALSE(iconAlive(bigIcon));
  CHECK(SendMessageW(window->handle(), WM_GETICON, ICON_BIG, 0) == 0);
  // The button face of the system from 6.0 on, before that the fixed light grey.
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  REQUIRE(GetVersionExW(&version));
  const COLORREF face =
      version.dwMajorVersion >= 6 ? GetSysColor(COLOR_BTNFACE) : RGB(240, 240, 240);
  CHECK(window->background() == face);

  PostMessageW(window->handle(), WM_KEYDOWN, 'A', 1);
  Sleep(100);
  CHECK(log.codes().empty());
  // Usable again.
  window->show(true, false);
  window->close();
  CHECK(window->hasClosed());
}
