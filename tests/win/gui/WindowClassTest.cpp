#include <doctest/doctest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <cstdint>
#include <stdexcept>

#include "s/base/Owned.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/win/Subclass.h"
#include "s/gui/win/WindowClass.h"
#include "support/win/NativeButton.h"
#include "support/win/TestWindow.h"

using s::gui::PrivateMessage;
using s::gui::win::WindowClass;
using support::NativeButton;
using support::TestWindow;

namespace {

ATOM classAtomOf(HWND window) { return static_cast<ATOM>(GetClassLongPtrW(window, GCW_ATOM)); }

}  // namespace

TEST_CASE("two windows share the one class, registered once with its style and brush") {
  TestWindow first(40, 40, 120, 80);
  TestWindow second(200, 40, 120, 80);
  REQUIRE(first.window() != nullptr);
  REQUIRE(second.window() != nullptr);
  CHECK(WindowClass::isRegistered());
  // A second registration would fail with "class already exists": asking again must not try.
  CHECK(WindowClass::ensureRegistered());
  CHECK(classAtomOf(first.window()) == classAtomOf(second.window()));

  WNDCLASSEXW found{};
  found.cbSize = sizeof(found);
  REQUIRE(GetClassInfoExW(GetModuleHandleW(nullptr), L"LumeniWindowClass", &found) != 0);
  CHECK(found.style == 0x4000u);
  CHECK(found.hbrBackground == reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  CHECK(found.hIcon == nullptr);
  CHECK(found.hCursor == nullptr);
  CHECK(found.lpszMenuName == nullptr);
  CHECK(reinterpret_cast<void*>(found.lpfnWndProc) ==
        reinterpret_cast<void*>(&WindowClass::procedure));
  // Each window found its object at creation.
  CHECK(WindowClass::hookOf(first.window()) == static_cast<s::gui::IMessageHook*>(&first.root()));
  CHECK(first.root().nativeWindow() == first.window());
}

TEST_CASE("a control's notifications reach it as the private messages of the table") {
  TestWindow test(40, 40, 200, 100);
  NativeButton* button = NativeButton::make(80, 30);
  test.root().addChild(button);
  HWND control = static_cast<HWND>(button->nativeWindow());
  REQUIRE(control != nullptr);

  // A click as the button reports it: WM_COMMAND BN_CLICKED to the parent, reflected as 32772.
  SendMessageW(control, BM_CLICK, 0, 0);
  CHECK(support::waitFor([&] { return button->clicked.load() == 1; }));
  CHECK(button->clickLParam == reinterpret_cast<std::intptr_t>(control));
  CHECK(HIWORD(button->clickWParam) == BN_CLICKED);

  struct Reflected {
    UINT code;
    UINT message;
  };
  const Reflected commands[] = {{1, 32778}, {5, 32773}, {7, 32783}, {8, 32784}, {768, 32780}};
  for (const Reflected& r : commands) {
    CAPTURE(r.code);
    button->answer = 1234;
    const int before = button->receivedCount(r.message);
    const LRESULT answer = SendMessageW(test.window(), WM_COMMAND, MAKEWPARAM(7, r.code),
                                        reinterpret_cast<LPARAM>(control));
    CHECK(button->receivedCount(r.message) == before + 1);
    CHECK(answer == 1234);
  }

  // Notifications by code; three of them are answered 0 whatever the control says.
  struct Notified {
    int code;
    UINT message;
    bool answersZero;
  };
  const Notified notifications[] = {
      {-551, 32779, false}, {-311, 32786, false}, {-310, 32785, false}, {-176, 32777, false},
      {-115, 32775, true},  {-109, 32776, true},  {-108, 32781, false}, {-101, 32774, true},
      {-100, 32787, false}, {-12, 32782, false},
  };
  for (const Notified& n : notifications) {
    CAPTURE(n.code);
    button->answer = 77;
    const int before = button->receivedCount(n.message);
    NMHDR header{control, 7, static_cast<UINT>(n.code)};
    const LRESULT answer =
        SendMessageW(test.window(), WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header));
    CHECK(button->receivedCount(n.message) == before + 1);
    CHECK(button->lastLParamOf(n.message) == reinterpret_cast<std::intptr_t>(&header));
    CHECK(answer == (n.answersZero ? 0 : 77));
  }
  // A code outside the table is not reflected (colour messages from painting may come).
  int others = 0;
  for (UINT m = NativeButton::kFirst + 1; m <= NativeButton::kLast; ++m) {
    others += button->receivedCount(m);
  }
  NMHDR other{control, 7, static_cast<UINT>(-2)};
  SendMessageW(test.window(), WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&other));
  int after = 0;
  for (UINT m = NativeButton::kFirst + 1; m <= NativeButton::kLast; ++m) {
    after += button->receivedCount(m);
  }
  CHECK(after == others);
}

TEST_CASE("control colours are the control's own answer, the platform's when it has none") {
  TestWindow test(40, 40, 200, 100);
  NativeButton* button = NativeButton::make(80, 30);
  test.root().addChild(button);
  HWND control = static_cast<HWND>(button->nativeWindow());
  REQUIRE(control != nullptr);
  HDC dc = GetDC(control);
  const UINT colourMessages[] = {25, 307, 308, 309, 310, 311, 312};
  HBRUSH own = CreateSolidBrush(RGB(1, 2, 3));
  for (UINT message : colourMessages) {
    CAPTURE(message);
    button->answer = reinterpret_cast<std::intptr_t>(own);
    // Only the control knows this brush.
    const LRESULT brush = SendMessageW(test.window(), message, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
    CHECK(reinterpret_cast<HBRUSH>(brush) == own);
  }
  button->answer = 0;
  const LRESULT fallback = SendMessageW(test.window(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(control));
  CHECK(fallback != 0);
  ReleaseDC(control, dc);
  DeleteObject(own);
}

TEST_CASE("a click on a toolkit window activates it, and 32769 closes it the default way") {
  TestWindow test(40, 40, 100, 60);
  const int before = test.root().clickActivations;
  SendMessageW(test.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  CHECK(test.root().clickActivations == before + 1);
  CHECK(test.root().leftButtonDowns >= 1);
  SendMessageW(test.window(), WM_INITMENU, 0, 0);
  CHECK(test.root().clickActivations == before + 2);

  SendMessageW(test.window(), PrivateMessage::kDefaultClose, 0, 0);
  CHECK(IsWindow(test.window()) == 0);
  CHECK(test.root().nativeWindow() == nullptr);
}

TEST_CASE("a pop-up menu's initialisation goes to the window its menu data names") {
  TestWindow showing(40, 40, 100, 60);
  TestWindow owner(200, 40, 100, 60);
  HMENU menu = CreatePopupMenu();
  REQUIRE(menu != nullptr);
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_MENUDATA;
  info.dwMenuData = reinterpret_cast<ULONG_PTR>(owner.window());
  REQUIRE(SetMenuInfo(menu, &info) != 0);

  SendMessageW(showing.window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  CHECK(showing.root().popupInits == 1);
  CHECK(owner.root().popupInits == 1);

  // A menu that names no window stays with the default processing.
  info.dwMenuData = 0;
  SetMenuInfo(menu, &info);
  SendMessageW(showing.window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  CHECK(showing.root().popupInits == 2);
  CHECK(owner.root().popupInits == 1);
  DestroyMenu(menu);
}

TEST_CASE("an exception in a hook never leaves the window procedure") {
  struct Throwing final : s::gui::IMessageHook {
    void nativeWindowCreated(s::gui::NativeWindow) override {}
    void nativeWindowDestroyed() override { gone = true; }
    bool preHandle(std::intptr_t*, std::uint32_t message, std::uintptr_t, std::intptr_t) override {
      if (message == WM_APP) throw std::runtime_error("hook failed");
      return false;
    }
    void postHandle(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) override {}
    bool gone = false;
  } hook;
  HWND window = WindowClass::create(0, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, &hook);
  REQUIRE(window != nullptr);
  CHECK(SendMessageW(window, WM_APP, 0, 0) == 0);
  // Still alive and dispatching.
  CHECK(SendMessageW(window, WM_GETDLGCODE, 0, 0) == 0);
  DestroyWindow(window);
  CHECK(hook.gone);
}

TEST_CASE("a subclassed progress bar's messages pass the hook before and after its own") {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
  REQUIRE(InitCommonControlsEx(&controls) != 0);
  TestWindow test(40, 40, 200, 60);
  struct Watcher final : s::gui::IMessageHook {
    void nativeWindowCreated(s::gui::NativeWindow window) override {
      created = static_cast<HWND>(window);
    }
    void nativeWindowDestroyed() override { gone = true; }
    bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t) override {
      if (message != PBM_SETPOS) return false;
      seen = static_cast<int>(wParam);
      // A position of 99 is refused before the control sees it.
      if (wParam != 99) return false;
      *result = -1;
      return true;
    }
    void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t,
                    std::intptr_t) override {
      if (message == PBM_SETPOS) answered = static_cast<int>(*result);
    }
    HWND created = nullptr;
    bool gone = false;
    int seen = -1;
    int answered = -1;
  } watcher;
  struct Make {
    TestWindow* test;
    Watcher* watcher;
    s::gui::win::Subclass subclass;
    HWND control = nullptr;
  } make{&test, &watcher, {}, nullptr};
  test.runOnUiThread(
      [](void* argument) {
        auto* m = static_cast<Make*>(argument);
        m->control = m->subclass.create(PROGRESS_CLASSW, 0, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100,
                                        16, m->test->window(), m->watcher);
      },
      &make);
  REQUIRE(make.control != nullptr);
  CHECK(watcher.created == make.control);

  SendMessageW(make.control, PBM_SETPOS, 40, 0);
  CHECK(watcher.seen == 40);
  SendMessageW(make.control, PBM_SETPOS, 70, 0);
  // The control's own answer (the previous position) as the post-handler saw it.
  CHECK(watcher.answered == 40);
  CHECK(SendMessageW(make.control, PBM_SETPOS, 99, 0) == -1);
  CHECK(SendMessageW(make.control, PBM_GETPOS, 0, 0) == 70);

  test.runOnUiThread([](void* argument) { DestroyWindow(static_cast<Make*>(argument)->control); },
                     &make);
  CHECK(watcher.gone);
  CHECK(make.subclass.window() == nullptr);
}
