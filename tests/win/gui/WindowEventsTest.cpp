// The top-level window under Wine with a virtual display: what the user does reaches the
// listeners with the window's codes, and the view options show in the native window's styles.
#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "s/gui/IWindowMenu.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/win/Window.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/win/Cursor.h"
#include "support/win/MessageBoxWatcher.h"
#include "support/win/ThreadCall.h"
#include "support/win/WindowEvents.h"

using s::gui::IWindow;
using s::gui::win::Window;
using support::EventLog;
using support::eventually;

namespace {

s::base::Owned<Window> shownWindow() {
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  window->setBounds(100, 100, 300, 200);
  window->show(true, false);
  return window;
}

// A click of the middle button in the client area, as the mouse would send it.
void middleClick(const Window& window) {
  PostMessageW(window.handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(40, 40));
  PostMessageW(window.handle(), WM_MBUTTONUP, 0, MAKELPARAM(40, 40));
}

LONG_PTR extendedStyle(const Window& window) {
  return GetWindowLongPtrW(window.handle(), GWL_EXSTYLE);
}

using GetLayered = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);

// The alpha the platform holds for a layered window; -1 when it cannot say.
int layeredAlpha(const Window& window) {
  static const auto get = reinterpret_cast<GetLayered>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetLayeredWindowAttributes")));
  if (get == nullptr) return -1;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!get(window.handle(), &key, &alpha, &flags)) return -1;
  return (flags & LWA_ALPHA) != 0 ? alpha : -1;
}

}  // namespace

TEST_CASE("window: close tells the close listeners first, and one of them may cancel it") {
  auto window = shownWindow();
  EventLog log;
  window->addCloseListener(&log);

  SUBCASE("a listener cancels: the window stays open and shown") {
    log.react = [&](std::int32_t code) {
      if (code == IWindow::kClose) window->cancelClose();
    };
    window->close();
    CHECK(log.count(IWindow::kClose) == 1);
    CHECK_FALSE(window->hasClosed());
    CHECK(IsWindowVisible(window->handle()));
    // The next close without a cancel goes through.
    log.react = nullptr;
    window->close();
  }
  SUBCASE("no listener cancels") { window->close(); }

  CHECK(window->hasClosed());
  CHECK_FALSE(IsWindowVisible(window->handle()));
  // Closed is final: closing again tells nobody.
  const int heard = log.count(IWindow::kClose);
  window->close();
  CHECK(log.count(IWindow::kClose) == heard);
  window->waitUntilClosed();
}

TEST_CASE("window: the middle button fires 9, then does what the middle-click action says") {
  auto window = shownWindow();
  EventLog middle;
  EventLog closing;
  window->addListener(IWindow::kMiddleButtonDown, &middle);
  window->addCloseListener(&closing);
  std::vector<std::int32_t> order;
  middle.react = [&](std::int32_t code) { order.push_back(code); };
  closing.react = [&](std::int32_t code) { order.push_back(code); };

  SUBCASE("DoNothing") {
    window->setMiddleClickAction(u"DoNothing");
    middleClick(*window);
    REQUIRE(eventually([&] { return middle.count(IWindow::kMiddleButtonDown) == 1; }));
    Sleep(100);
    CHECK(closing.count(IWindow::kClose) == 0);
    CHECK(IsWindowVisible(window->handle()));
    CHECK_FALSE(window->isIconized());
  }
  SUBCASE("Close") {
    window->setMiddleClickAction(u"close");
    CHECK(window->middleClickAction() == s::gui::kActionClose);
    middleClick(*window);
    REQUIRE(eventually([&] { return window->hasClosed(); }));
    CHECK(order == std::vector<std::int32_t>{IWindow::kMiddleButtonDown, IWindow::kClose});
    CHECK_FALSE(IsWindowVisible(window->handle()));
  }
  SUBCASE("Iconize: hidden behind a notification icon; a click on the icon brings it back") {
    window->setMiddleClickAction(u"Iconize");
    EventLog icon;
    window->addListener(IWindow::kNotifyIconLeftClick, &icon);
    middleClick(*window);
    REQUIRE(eventually([&] { return window->isIconized(); }));
    CHECK_FALSE(IsWindowVisible(window->handle()));
    CHECK_FALSE(window->hasClosed());
    // The shell sends the icon's mouse messages to the window as 1026.
    PostMessageW(window->handle(), Window::kNotifyIconMessage, 0, WM_LBUTTONDOWN);
    REQUIRE(eventually([&] { return icon.count(IWindow::kNotifyIconLeftClick) == 1; }));
    CHECK_FALSE(window->isIconized());
    CHECK(IsWindowVisible(window->handle()));
    CHECK_FALSE(IsIconic(window->handle()));
    CHECK_FALSE(window->isNotifyIconShown());
  }
}

TEST_CASE("window: keys, timers, status messages and another copy reach their listeners") {
  auto window = shownWindow();
  EventLog log;
  for (std::int32_t code :
       {IWindow::kKey, IWindow::kTimer, IWindow::kStatus, IWindow::kAnotherCopyStarted}) {
    window->addListener(code, &log);
  }

  PostMessageW(window->handle(), WM_KEYDOWN, 'K', 1);
  REQUIRE(eventually([&] { return log.count(IWindow::kKey) == 1; }));
  CHECK(window->lastKeyCode() == 'K');

  REQUIRE(window->startTimer(7, 20));
  REQUIRE(eventually([&] { return log.count(IWindow::kTimer) >= 2; }));
  CHECK(window->lastTimerId() == 7);
  window->stopTimer(7);
  Sleep(100);
  const int ticks = log.count(IWindow::kTimer);
  Sleep(150);
  CHECK(log.count(IWindow::kTimer) == ticks);

  // 1025: the listener reads the values on the window's thread and answers through the reply.
  std::u16string seenName;
  std::int32_t seenSum = 0;
  log.react = [&](std::int32_t code) {
    if (code != IWindow::kStatus) return;
    seenName = window->statusName();
    seenSum = window->status().value1 + window->status().value2 + window->status().value3;
    window->setStatusReply(42);
  };
  CHECK(window->postStatus(u"ProcessStatusStart", 1, 20, 300) == 42);
  CHECK(seenName == u"ProcessStatusStart");
  CHECK(seenSum == 321);
  log.react = nullptr;
  // A status nobody answers replies 0, not the last reply.
  CHECK(window->postStatus(u"ProcessStatusEnd", 0, 0, 0) == 0);
  CHECK(log.count(IWindow::kStatus) == 2);

  SendMessageW(window->handle(), Window::kAnotherCopyStartedMessage, 0, 0);
  CHECK(log.count(IWindow::kAnotherCopyStarted) == 1);
  CHECK(log.lastSource() == static_cast<s::base::IObject*>(static_cast<IWindow*>(window.get())));
}

TEST_CASE("window: keep on top sets and clears the topmost style, hidden or shown") {
  auto window = s::thread::obtain<Window>();
  REQUIRE(window->handle() != nullptr);
  window->setKeepOnTop(true);
  CHECK((extendedStyle(*window) & WS_EX_TOPMOST) != 0);
  CHECK_FALSE(IsWindowVisible(window->handle()));
  window->show(true, false);
  window->setKeepOnTop(false);
  CHECK((extendedStyle(*window) & WS_EX_TOPMOST) == 0);
  window->setKeepOnTop(true);
  CHECK((extendedStyle(*window) & WS_EX_TOPMOST) != 0);
  CHECK(window->isKeptOnTop());
  window->setKeepOnTop(false);
}

TEST_CASE("window: transparency below 100 makes the window layered with the matching alpha") {
  auto window = shownWindow();
  window->setTransparency(50, false);
  CHECK((extendedStyle(*window) & WS_EX_LAYERED) != 0);
  CHECK(layeredAlpha(*window) == 127);
  window->setTransparency(0, false);
  CHECK(layeredAlpha(*window) == 0);
  window->setTransparency(100, false);
  CHECK((extendedStyle(*window) & WS_EX_LAYERED) == 0);
  CHECK(window->transparency() == 100);

  // Only while kept on top, when asked so.
  window->setTransparency(60, true);
  CHECK((extendedStyle(*window) & WS_EX_LAYERED) == 0);
  window->setKeepOnTop(true);
  CHECK((extendedStyle(*window) & WS_EX_LAYERED) != 0);
  CHECK(layeredAlpha(*window) == 153);
  window->setKeepOnTop(false);
  CHECK((extendedStyle(*window) & WS_EX_LAYERED) == 0);
}

TEST_CASE("window: a hot key taken by another window is refused, with the prepared message") {
  auto first = shownWindow();
  auto second = shownWindow();
  REQUIRE(first->registerHotKey(true, true, false, false, 'Q', u"VexoTestHotKey", false));
  CHECK(first->hotKeyCount() == 1);
  // Registering the same name again replaces the registration.
  REQUIRE(first->registerHotKey(true, true, false, false, 'Q', u"VexoTestHotKey", false));
  CHECK(first->hotKeyCount() == 1);

  support::MessageBoxCloser closer;
  CHECK_FALSE(second->registerHotKey(true, true, false, false, 'Q', u"VexoTestOther", true));
  const std::wstring shown = closer.finish();
  CHECK(shown.find(L"HotKey Alt+Ctrl+81 has been occupied by another application.") !=
        std::wstring::npos);
  CHECK(shown.rfind(L"(", 0) == 0);
  CHECK(second->hotKeyCount() == 0);

  // Once the first lets go, the combination is free.
  first->unregisterAllHotKeys();
  CHECK(first->hotKeyCount() == 0);
  CHECK(second->registerHotKey(true, true, false, false, 'Q', u"VexoTestOther", false));
  second->unregisterHotKey(u"VexoTestOther");
  CHECK(second->hotKeyCount() == 0);
}

TEST_CASE("window: the frameless style hit-tests its own border and resizes from it") {
  auto window = shownWindow();
  window->setFramed(false);
  const LONG_PTR style = GetWindowLongPtrW(window->handle(), GWL_STYLE);
  CHECK((style & WS_POPUP) != 0);
  CHECK((style & WS_CAPTION) != WS_CAPTION);
  CHECK((extendedStyle(*window) & (WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE)) == 0);

  RECT r{};
  GetWindowRect(window->handle(), &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  auto hitAt = [&](int x, int y) {
    return SendMessageW(window->handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
  };
  CHECK(hitAt(w - 1, h / 2) == HTRIGHT);
  CHECK(hitAt(2, 2) == HTTOPLEFT);
  CHECK(hitAt(w / 2, h - 2) == HTBOTTOM);
  CHECK(hitAt(w / 2, h / 2) == HTCLIENT);

  // Over the right edge the window takes the mouse; a press there and a move drag the edge.
  // All on the window's thread at once: a resize makes the system report the real cursor's
  // place, which must not come in between.
  struct Drag {
    HWND window;
    RECT start;
  } drag{window->handle(), r};
  REQUIRE(support::runOnThreadOf(
      window->handle(),
      [](void* argument) {
        const auto* d = static_cast<const Drag*>(argument);
        const int y = (d->start.bottom - d->start.top) / 2;
        const int x = d->start.right - d->start.left - 1;
        SendMessageW(d->window, WM_NCMOUSEMOVE, HTRIGHT,
                     MAKELPARAM(d->start.right - 1, d->start.top + y));
        SendMessageW(d->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(d->window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 40, y));
        SendMessageW(d->window, WM_LBUTTONUP, 0, MAKELPARAM(x + 40, y));
      },
      &drag));
  RECT after{};
  GetWindowRect(window->handle(), &after);
  CHECK(after.right - after.left == w + 40);
  CHECK(after.left == r.left);

  window->setFramed(true);
  CHECK((GetWindowLongPtrW(window->handle(), GWL_STYLE) & WS_CAPTION) == WS_CAPTION);
  CHECK((extendedStyle(*window) & WS_EX_CLIENTEDGE) != 0);
}

TEST_CASE("window: restore-and-activate, the close box that iconizes, and a close button") {
  auto window = shownWindow();
  window->iconize();
  REQUIRE(window->isIconized());
  // What another copy of the program sends.
  SendMessageW(window->handle(), Window::kRestoreAndActivate, 0, 0);
  CHECK_FALSE(window->isIconized());
  CHECK(IsWindowVisible(window->handle()));
  CHECK_FALSE(IsIconic(window->handle()));

  window->setCloseButtonIconizes(true);
  SendMessageW(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  CHECK(window->isIconized());
  CHECK_FALSE(window->hasClosed());
  window->restore();
  CHECK_FALSE(window->isIconized());
  window->setCloseButtonIconizes(false);

  // A component registered as a close button: its event closes the window.
  auto* button = support::Block::make(20, 20, 40, 40);
  window->addChild(button);
  window->addCloseButton(button);
  window->event(button, 0);
  CHECK(window->hasClosed());
}

TEST_CASE("window: easy drag turns a press on the client area into a caption press") {
  auto window = shownWindow();
  RECT r{};
  GetClientRect(window->handle(), &r);
  POINT centre{r.right / 2, r.bottom / 2};
  ClientToScreen(window->handle(), &centre);
  auto hit = [&] {
    return SendMessageW(window->handle(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y));
  };
  auto leftButton = [](bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
  };
  // The press must land on the client area, not where the cursor was before.
  REQUIRE(support::putCursorAt(centre, window->handle()));
  window->setEasyDrag(true);
  CHECK(hit() == HTCLIENT);
  leftButton(true);
  REQUIRE(support::eventually([] { return GetAsyncKeyState(VK_LBUTTON) < 0; }));
  CHECK(hit() == HTCAPTION);
  window->setEasyDrag(false);
  CHECK(hit() == HTCLIENT);
  leftButton(false);
}

TEST_CASE("window: the status bar sits at the bottom and the layout gets the rest") {
  auto window = shownWindow();
  auto* content = support::Block::make(50, 30, 400, 400);
  auto* bar = support::Block::make(10, 22, 10, 22);
  window->addChild(content);
  window->addChild(bar);
  bar->setSize(10, 22);
  RECT client{};
  GetClientRect(window->handle(), &client);
  const int fullHeight = client.bottom;
  window->attachStatusBar(bar);
  CHECK(window->clientHeight() == fullHeight - 22);
  CHECK(bar->y() == fullHeight - 22);
  CHECK(bar->x() == 0);
  CHECK(bar->width() == client.right);
  CHECK(bar->height() == 22);
  // The content is laid out in the rest.
  CHECK(content->height() <= fullHeight - 22);
  CHECK(content->y() == 0);

  // Resizing the window follows.
  window->setSize(320, 260);
  GetClientRect(window->handle(), &client);
  CHECK(bar->y() == client.bottom - 22);
  CHECK(bar->width() == client.right);
}

TEST_CASE("window: a wheel turn no child takes is the window's, with the system's line count") {
  auto window = shownWindow();
  EventLog log;
  window->addListener(IWindow::kWheel, &log);
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  RECT r{};
  GetWindowRect(window->handle(), &r);
  const LPARAM at = MAKELPARAM(r.left + 20, r.top + 40);
  SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
  CHECK(log.count(IWindow::kWheel) == 1);
  CHECK(window->wheelStep() == static_cast<int>(lines));
  SendMessageW(window->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
  CHECK(window->wheelStep() == -static_cast<int>(lines));
}

namespace {

// A menu that only counts how often the window opened it.
class CountingMenu final : public s::gui::IWindowMenu {
 public:
  bool hasCommandId(std::int32_t) const override { return false; }
  void select(std::int32_t) override {}
  void showAt(std::int32_t, std::int32_t, s::gui::NativeWindow) override { ++shown; }
  void* nativeMenuBar() const override { return nullptr; }
  std::atomic<int> shown{0};
};

LRESULT send(const Window& window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(window.handle(), message, wParam, lParam);
}

struct Trigger {
  const char* what;
  std::int32_t code;
  std::function<void(Window&)> run;
};

}  // namespace

TEST_CASE("window: each native trigger reaches the listeners with its own event code") {
  auto window = shownWindow();
  EventLog log;
  for (std::int32_t code = 1; code <= IWindow::kEventKinds; ++code) window->addListener(code, &log);
  CountingMenu contextMenu;
  CountingMenu iconMenu;
  const LPARAM inside = MAKELPARAM(40, 40);

  const Trigger triggers[] = {
      {"right button down", IWindow::kRightButtonDown,
       [&](Window& w) { send(w, WM_RBUTTONDOWN, MK_RBUTTON, inside); }},
      {"resized", IWindow::kResized, [](Window& w) { w.setSize(320, 230); }},
      {"left button down", IWindow::kLeftButtonDown,
       [&](Window& w) { send(w, WM_LBUTTONDOWN, MK_LBUTTON, inside); }},
      {"activated", IWindow::kActivated, [](Window& w) { send(w, WM_ACTIVATE, WA_ACTIVE); }},
      {"deactivated", IWindow::kDeactivated, [](Window& w) { send(w, WM_ACTIVATE, WA_INACTIVE); }},
      {"sizing", IWindow::kSizing,
       [](Window& w) {
         RECT proposed{100, 100, 420, 330};
         send(w, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
       }},
      {"position changing", IWindow::kPositionChanging, [](Window& w) { w.move(110, 105); }},
      {"moved", IWindow::kMoved, [](Window& w) { w.move(120, 110); }},
      {"mouse move", IWindow::kMouseMove, [&](Window& w) { send(w, WM_MOUSEMOVE, 0, inside); }},
      {"double click", IWindow::kDoubleClick,
       [&](Window& w) { send(w, WM_LBUTTONDBLCLK, MK_LBUTTON, inside); }},
      {"capture ended", IWindow::kCaptureEnded,
       [](Window& w) {
         // Frameless, the window captures the mouse over its edge and lets go off it.
         w.setFramed(false);
         RECT r{};
         GetWindowRect(w.handle(), &r);
         send(w, WM_NCMOUSEMOVE, HTRIGHT, MAKELPARAM(r.right - 1, (r.top + r.bottom) / 2));
         send(w, WM_NCMOUSEMOVE, HTNOWHERE, MAKELPARAM(r.left - 50, r.top - 50));
         w.setFramed(true);
       }},
      {"notification-icon right click", IWindow::kNotifyIconRightClick,
       [&](Window& w) {
         w.setNotifyIconMenu(&iconMenu);
         send(w, Window::kNotifyIconMessage, 0, WM_RBUTTONDOWN);
         w.setNotifyIconMenu(nullptr);
       }},
      {"context menu", IWindow::kContextMenu,
       [&](Window& w) {
         w.setContextMenu(&contextMenu);
         send(w, WM_RBUTTONDOWN, MK_RBUTTON, inside);
         w.setContextMenu(nullptr);
       }},
      {"restored", IWindow::kRestored,
       [](Window& w) {
         w.minimize();
         w.restore();
       }},
      {"hot key", IWindow::kHotKey,
       [](Window& w) {
         // What the system sends when the combination is pressed: the name's atom.
         send(w, WM_HOTKEY, GlobalFindAtomW(L"VexoTestEventsKey"),
              MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'U'));
       }},
      {"right button up", IWindow::kRightButtonUp,
       [&](Window& w) { send(w, WM_RBUTTONUP, 0, inside); }},
      {"left button up", IWindow::kLeftButtonUp,
       [&](Window& w) { send(w, WM_LBUTTONUP, 0, inside); }},
  };

  REQUIRE(window->registerHotKey(false, true, true, false, 'U', u"VexoTestEventsKey", false));
  CHECK_FALSE(window->wasHotKeyPressed(u"VexoTestEventsKey"));
  for (const Trigger& trigger : triggers) {
    INFO(trigger.what);
    log.clear();
    trigger.run(*window);
    CHECK(eventually([&] { return log.count(trigger.code) >= 1; }));
  }
  // A right click opens the context menu only when there is one; the icon's menu likewise.
  CHECK(contextMenu.shown.load() == 1);
  CHECK(iconMenu.shown.load() == 1);
  CHECK(window->wasHotKeyPressed(u"VexoTestEventsKey"));
  GlobalAddAtomW(L"VexoTestNotPressed");
  CHECK_FALSE(window->wasHotKeyPressed(u"VexoTestNotPressed"));
  GlobalDeleteAtom(GlobalFindAtomW(L"VexoTestNotPressed"));
  window->unregisterAllHotKeys();
}

TEST_CASE("window: information, error and question boxes show on the window's thread") {
  auto window = shownWindow();
  const DWORD ui = window->uiThread().threadId();
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring full = path;
  const std::wstring programName = full.substr(full.find_last_of(L"\\/") + 1);

  SUBCASE("information") {
    support::MessageBoxWatcher reader(ui, IDOK);
    window->showInformation(u"Everything went well.");
    REQUIRE(reader.finish());
    CHECK(reader.text == L"Everything went well.");
    CHECK(reader.caption == programName);
    CHECK(reader.showedIcon(IDI_INFORMATION));
    CHECK(reader.hasOk);
    CHECK_FALSE(reader.hasYes);
  }
  SUBCASE("error") {
    support::MessageBoxWatcher reader(ui, IDOK);
    window->showError(u"Something failed.");
    REQUIRE(reader.finish());
    CHECK(reader.text == L"Something failed.");
    CHECK(reader.caption == programName);
    CHECK(reader.showedIcon(IDI_ERROR));
    CHECK(reader.hasOk);
  }
  SUBCASE("a question answers the button pressed") {
    for (const int press : {IDYES, IDNO}) {
      CAPTURE(press);
      support::MessageBoxWatcher reader(ui, press);
      CHECK(window->askYesNo(u"Go on?") == press);
      REQUIRE(reader.finish());
      CHECK(reader.text == L"Go on?");
      CHECK(reader.showedIcon(IDI_QUESTION));
      CHECK(reader.hasYes);
      CHECK(reader.hasNo);
      CHECK_FALSE(reader.hasOk);
    }
  }
}

TEST_CASE("window: the reserved private messages answer 0 and do nothing") {
  auto window = shownWindow();
  HWND native = window->handle();
  // The codes that nothing but the window's own messages fire (the mouse and the system may
  // move, size or activate the window at any time).
  EventLog log;
  for (std::int32_t code : {IWindow::kClose, IWindow::kStatus, IWindow::kAnotherCopyStarted,
                            IWindow::kNotifyIconRightClick, IWindow::kLanguageChanged,
                            IWindow::kNotifyIconLeftClick, IWindow::kHotKey, IWindow::kTimer}) {
    window->addListener(code, &log);
  }
  EventLog keys;
  window->addListener(IWindow::kKey, &keys);
  // 1039 is also what a child component takes as "let go of your window": not the window's.
  for (UINT message : {1032u, 1033u, 1034u, 1035u, 1039u, 1040u, 1041u, 1042u, 1043u}) {
    CAPTURE(message);
    CHECK(SendMessageW(native, message, 1, 1) == 0);
  }
  CHECK(log.codes().empty());
  CHECK(IsWindow(native));
  CHECK(window->handle() == native);
  // Still served as before.
  PostMessageW(native, WM_KEYDOWN, 'R', 1);
  CHECK(eventually([&] { return keys.count(IWindow::kKey) == 1; }));
}
