#include <doctest/doctest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <vector>

#include "ControlTestKit.h"
#include "s/gui/Box.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/drawer/Glyphs.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Button.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"
#include "support/win/Cursor.h"
#include "support/win/TestWindow.h"
#include "support/win/WindowEvents.h"

using namespace controls_test;
using s::gui::win::Button;
using support::EventLog;
using support::TestWindow;
using support::waitFor;

namespace {

int heard(const EventLog& log) { return static_cast<int>(log.codes().size()); }

// A button in a column over the whole test window, heard by log on all three lists.
Button* addButton(TestWindow& test, EventLog& log, int width, int height) {
  auto* button = s::thread::takeFromPool<Button>();
  button->setText(u"Press");
  button->setFixedWidth(width);
  button->setFixedHeight(height);
  button->addClickListener(&log);
  button->addChangedListener(&log);
  button->addPressedListener(&log);
  test.root().addChild(button);
  test.root().relayout();
  return button;
}

// Version 6 of the common controls, as the program's manifest asks for, made active on one
// thread only while windows are created: the test program itself has no manifest, so that
// every other control keeps the look the pixel tests expect.
class CommonControlsV6 {
 public:
  CommonControlsV6() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path =
        std::wstring(folder) + L"vexo_v6_" + std::to_wstring(GetCurrentProcessId()) + L".manifest";
    static const char kManifest[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
        "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
        "</dependentAssembly></dependency>\n</assembly>\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const bool saved = WriteFile(file, kManifest, sizeof(kManifest) - 1, &written, nullptr) != 0;
    CloseHandle(file);
    if (saved) {
      ACTCTXW description{};
      description.cbSize = sizeof(description);
      description.lpSource = path.c_str();
      context_ = CreateActCtxW(&description);
    }
    DeleteFileW(path.c_str());
  }
  ~CommonControlsV6() {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }
  CommonControlsV6(const CommonControlsV6&) = delete;
  CommonControlsV6& operator=(const CommonControlsV6&) = delete;

  bool ready() const { return context_ != INVALID_HANDLE_VALUE; }
  // Runs fn(argument) on the thread of window with the context active around it.
  bool runActive(HWND window, void (*fn)(void*), void* argument) {
    struct Call {
      HANDLE context;
      void (*fn)(void*);
      void* argument;
      bool activated;
    } call{context_, fn, argument, false};
    const bool reached = support::runOnThreadOf(
        window,
        [](void* raw) {
          auto* c = static_cast<Call*>(raw);
          ULONG_PTR cookie = 0;
          c->activated = ActivateActCtx(c->context, &cookie) != 0;
          c->fn(c->argument);
          if (c->activated) DeactivateActCtx(0, cookie);
        },
        &call);
    return reached && call.activated;
  }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

// What the native button itself answers to the ideal-size message in the button's own font;
// (0, 0) where it does not know the message.
SIZE idealSizeOf(Button* button) {
  HWND window = handleOf(button);
  const auto previous = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  SendMessageW(window, WM_SETFONT,
               reinterpret_cast<WPARAM>(button->font(Button::kNormalFont).handle()), FALSE);
  SIZE ideal{0, 0};
  if (SendMessageW(window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) == 0) {
    ideal = SIZE{0, 0};
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(previous), FALSE);
  return ideal;
}

}  // namespace

TEST_CASE("a real click on a button fires pressed, then click, then changed") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  REQUIRE(handleOf(button) != nullptr);
  CHECK(GetParent(handleOf(button)) == test.window());

  clickAt(screenCentreOf(button));
  REQUIRE(waitFor([&] { return heard(log) >= 3; }));
  test.settle();
  CHECK(log.codes() ==
        std::vector<std::int32_t>{Button::kPressed, Button::kClick, Button::kChanged});
  CHECK(log.lastSource() == static_cast<s::base::IObject*>(button));
  const POINT centre = screenCentreOf(button);
  CHECK(button->pressOrigin().x == centre.x);
  CHECK(button->pressOrigin().y == centre.y);
  // A plain button does not toggle.
  CHECK_FALSE(button->isChecked());
  moveAway();
}

TEST_CASE("a toggle that cannot be unchecked stays checked and then lets the mouse through") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  button->setToggleOptions(true, false, false, false);
  const POINT centre = screenCentreOf(button);
  CHECK(hitTestAt(button, centre) == HTCLIENT);

  clickAt(centre);
  REQUIRE(waitFor([&] { return log.count(Button::kChanged) == 1; }));
  CHECK(button->isChecked());
  CHECK(hitTestAt(button, centre) == HTTRANSPARENT);

  // The second click reaches the window below, not the button.
  const int downsBefore = test.root().leftButtonDowns;
  clickAt(centre);
  REQUIRE(waitFor([&] { return test.root().leftButtonDowns > downsBefore; }));
  test.settle();
  CHECK(log.count(Button::kClick) == 1);
  CHECK(button->isChecked());
  // A click that still arrives (as the keyboard's would) is heard, and changes nothing.
  SendMessageW(handleOf(button), BM_CLICK, 0, 0);
  REQUIRE(waitFor([&] { return log.count(Button::kChanged) == 2; }));
  CHECK(log.count(Button::kClick) == 2);
  CHECK(button->isChecked());

  // One that can be unchecked flips back and forth.
  button->setToggleOptions(true, true, false, false);
  CHECK(hitTestAt(button, centre) == HTCLIENT);
  clickAt(centre);
  REQUIRE(waitFor([&] { return log.count(Button::kChanged) == 3; }));
  CHECK_FALSE(button->isChecked());
  moveAway();
}

TEST_CASE("hit tests: a clickable button takes the mouse, an unclickable one does not") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  const POINT centre = screenCentreOf(button);
  CHECK(hitTestAt(button, centre) == HTCLIENT);
  button->setClickable(false);
  CHECK(hitTestAt(button, centre) == HTTRANSPARENT);
  // Checked for good is transparent only while it cannot be unchecked.
  button->setClickable(true);
  button->setToggleOptions(true, false, false, false);
  button->setChecked(true);
  CHECK(hitTestAt(button, centre) == HTTRANSPARENT);
  button->setChecked(false);
  CHECK(hitTestAt(button, centre) == HTCLIENT);
}

TEST_CASE("an auto-repeat button repeats while held over it and pauses off it") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  button->setAutoRepeat(true);
  // When the press and the first repeat were heard.
  std::atomic<int> pressesSeen{0};
  std::atomic<DWORD> pressedAt{0};
  std::atomic<DWORD> firstRepeatAt{0};
  log.react = [&](std::int32_t code) {
    if (code != Button::kPressed) return;
    const int seen = ++pressesSeen;
    if (seen == 1) pressedAt = GetTickCount();
    if (seen == 2) firstRepeatAt = GetTickCount();
  };
  const POINT held = screenCentreOf(button);
  // Wine's desktop sometimes moves a held cursor back to where its pointer last was; such a
  // press is let go and made again.
  bool stayed = false;
  for (int attempt = 0; attempt < 3 && !stayed; ++attempt) {
    releaseAt(held);
    test.settle();
    log.clear();
    pressesSeen = 0;
    pressAt(held);
    Sleep(100);
    POINT now{};
    GetCursorPos(&now);
    stayed = now.x == held.x && now.y == held.y;
  }
  REQUIRE(stayed);
  REQUIRE(waitFor([&] { return log.count(Button::kPressed) >= 1; }));
  // The first repeat comes after half a second, then one every tenth.
  REQUIRE(waitFor([&] { return log.count(Button::kPressed) >= 4; }));
  // A load can only make a timer late, never early.
  CHECK(firstRepeatAt - pressedAt >= 450);

  // The button goes from under the held cursor (a held cursor cannot be moved under Wine's
  // desktop): the repeats pause, and go on when it is back.
  button->move(0, 70);
  test.settle();
  Sleep(150);
  const int paused = log.count(Button::kPressed);
  Sleep(400);
  CHECK(log.count(Button::kPressed) == paused);

  button->move(0, 0);
  CHECK(waitFor([&] { return log.count(Button::kPressed) > paused; }));
  releaseAt(held);
  test.settle();
  Sleep(150);
  const int released = log.count(Button::kPressed);
  Sleep(300);
  CHECK(log.count(Button::kPressed) == released);
  moveAway();
}

TEST_CASE(
    "auto-repeat: the first timer hands over to the second, ticks count only over the "
    "button, and the release stops both") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  button->setAutoRepeat(true);
  REQUIRE(support::putCursorAt(screenCentreOf(button), test.window()));
  // Every step runs on the button's thread inside one call, so no real tick comes in between;
  // KillTimer answers whether a timer was running (and stops it, so none runs on later).
  struct Steps {
    HWND window;
    const EventLog* log;
    int presses[4] = {};
    bool secondAfterPress = false;
    bool firstAfterTick = false, secondAfterTick = false;
    bool secondAfterAwayTick = false;
    bool firstAfterRelease = true, secondAfterRelease = true;
    int pressed() const { return log->count(Button::kPressed); }
  } steps{handleOf(button), &log};

  REQUIRE(support::runOnThreadOf(
      steps.window,
      [](void* raw) {
        Steps& s = *static_cast<Steps*>(raw);
        SendMessageW(s.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
        s.presses[0] = s.pressed();
        s.secondAfterPress = KillTimer(s.window, 20002) != 0;
        SendMessageW(s.window, WM_TIMER, 20001, 0);
        s.presses[1] = s.pressed();
        s.firstAfterTick = KillTimer(s.window, 20001) != 0;
        SendMessageW(s.window, WM_TIMER, 20002, 0);
        s.presses[2] = s.pressed();
        s.secondAfterTick = KillTimer(s.window, 20002) != 0;
      },
      &steps));
  // (That the press starts the first timer, the real-press case before this one shows.)
  CHECK(steps.presses[0] == 1);
  CHECK_FALSE(steps.secondAfterPress);
  // The first tick repeats and hands over to the short timer; so does each short tick.
  CHECK(steps.presses[1] == 2);
  CHECK_FALSE(steps.firstAfterTick);
  CHECK(steps.secondAfterTick);
  CHECK(steps.presses[2] == 3);

  // With the button moved from under the cursor, ticks repeat nothing and hand over nothing.
  button->move(0, 70);
  test.settle();
  REQUIRE(support::runOnThreadOf(
      steps.window,
      [](void* raw) {
        Steps& s = *static_cast<Steps*>(raw);
        SendMessageW(s.window, WM_TIMER, 20002, 0);
        SendMessageW(s.window, WM_TIMER, 20001, 0);
        s.presses[3] = s.pressed();
        s.secondAfterAwayTick = KillTimer(s.window, 20002) != 0;
      },
      &steps));
  CHECK(steps.presses[3] == 3);
  CHECK_FALSE(steps.secondAfterAwayTick);

  // Back under it, ticks repeat again; the release stops the timer the first tick started.
  button->move(0, 0);
  test.settle();
  REQUIRE(support::runOnThreadOf(
      steps.window,
      [](void* raw) {
        Steps& s = *static_cast<Steps*>(raw);
        SendMessageW(s.window, WM_TIMER, 20002, 0);
        SendMessageW(s.window, WM_TIMER, 20001, 0);
        s.presses[3] = s.pressed();
        SendMessageW(s.window, WM_LBUTTONUP, 0, MAKELPARAM(100, 20));
        s.firstAfterRelease = KillTimer(s.window, 20001) != 0;
        s.secondAfterRelease = KillTimer(s.window, 20002) != 0;
      },
      &steps));
  CHECK(steps.presses[3] == 5);
  CHECK_FALSE(steps.firstAfterRelease);
  CHECK_FALSE(steps.secondAfterRelease);
  moveAway();
}

TEST_CASE("a button sizes itself to its text, and a drawer with fixed sizes takes those") {
  TestWindow test(60, 60, 300, 120);
  REQUIRE(test.window() != nullptr);
  auto* button = s::thread::takeFromPool<Button>();
  button->setText(u"OK");
  test.root().addChild(button);
  const int shortWidth = button->minimumWidth();
  const int shortHeight = button->minimumHeight();
  CHECK(shortWidth > 0);
  CHECK(shortHeight > 0);
  button->setText(u"A much longer caption");
  CHECK(button->minimumWidth() > shortWidth);
  CHECK(button->minimumHeight() == shortHeight);
  CHECK(button->preferredWidth() == button->minimumWidth());
  // A bigger font makes a bigger button.
  button->setFontSizeCode(112);
  CHECK(button->minimumHeight() > shortHeight);

  s::base::Owned<s::gui::drawer::Skinner> skin = s::gui::drawer::Skinner::createThinWindow();
  skin->selectScheme(u"Classic LG");
  button->setFixedWidth(50);
  button->setFixedHeight(14);
  button->setDrawer(skin->currentScheme()->buttonDrawer(), false);
  CHECK(button->minimumWidth() == 50);
  CHECK(button->minimumHeight() == 14);
  CHECK((GetWindowLongPtrW(handleOf(button), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
  test.root().removeAllChildren();
}

TEST_CASE("a version 6 button takes the ideal size the platform answers for its text and font") {
  TestWindow test(60, 60, 300, 120);
  REQUIRE(test.window() != nullptr);
  CommonControlsV6 v6;
  REQUIRE(v6.ready());
  auto* plain = s::thread::takeFromPool<Button>();
  plain->setText(u"OK");
  test.root().addChild(plain);
  REQUIRE(handleOf(plain) != nullptr);
  // Before version 6 the native button does not know the message: the button measures.
  CHECK(idealSizeOf(plain).cx == 0);

  struct Build {
    TestWindow* test;
    Button* button;
  } build{&test, s::thread::takeFromPool<Button>()};
  build.button->setText(u"OK");
  REQUIRE(v6.runActive(
      test.window(),
      [](void* raw) {
        auto* b = static_cast<Build*>(raw);
        b->test->root().addChild(b->button);
      },
      &build));
  Button* button = build.button;
  REQUIRE(handleOf(button) != nullptr);
  for (const char16_t* text : {u"OK", u"A much longer caption"}) {
    for (int code : {100001, 112}) {
      CAPTURE(code);
      button->setText(text);
      REQUIRE(button->setFontSizeCode(code));
      const SIZE ideal = idealSizeOf(button);
      REQUIRE(ideal.cx > 0);
      REQUIRE(ideal.cy > 0);
      CHECK(button->minimumWidth() == ideal.cx);
      CHECK(button->minimumHeight() == ideal.cy);
      CHECK(button->preferredWidth() == ideal.cx);
      CHECK(button->preferredHeight() == ideal.cy);
    }
  }
  test.root().removeAllChildren();
}

TEST_CASE("a default button carries the platform's default style unless owner-drawn") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  auto typeOf = [&] { return GetWindowLongPtrW(handleOf(button), GWL_STYLE) & BS_TYPEMASK; };
  CHECK(typeOf() == BS_PUSHBUTTON);
  button->makeDefaultButton();
  CHECK(button->isDefaultButton());
  CHECK(typeOf() == BS_DEFPUSHBUTTON);
  button->makeNormalButton();
  CHECK(typeOf() == BS_PUSHBUTTON);
}

TEST_CASE("a skinned close box paints exactly the cross glyph in the line colour") {
  TestWindow test(60, 60, 120, 40);
  REQUIRE(test.window() != nullptr);
  moveAway();
  s::base::Owned<s::gui::drawer::Skinner> skin = s::gui::drawer::Skinner::createThinWindow();
  skin->selectScheme(u"Classic LG");
  s::gui::drawer::button::win::Thin* drawer = skin->currentScheme()->buttonDrawer();
  REQUIRE(drawer != nullptr);
  auto* box = s::thread::takeFromPool<Button>();
  box->setText(u"#X");
  box->setFixedWidth(50);
  box->setFixedHeight(14);
  box->setDrawer(drawer, false);
  box->setBackgroundRgb(116, 116, 116, false);
  test.root().addChild(box);
  test.root().relayout();
  REQUIRE(handleOf(box) != nullptr);
  test.settle();

  // What the glyph alone paints on the same background.
  s::base::Owned<s::image::win::BufferedImage> expected =
      s::thread::obtain<s::image::win::BufferedImage>();
  REQUIRE(expected->create(50, 14));
  s::gui::drawer::ImageSurface surface(*expected);
  const s::gui::drawer::Colour face = s::gui::drawer::rgb(116, 116, 116);
  surface.fill(0, 0, 50, 14, face);
  REQUIRE(s::gui::drawer::drawGlyph(surface, s::gui::drawer::Rect{1, 1, 49, 13}, u"#X",
                                    drawer->lineColour()));

  const Pixels shown(handleOf(box));
  REQUIRE(shown.width() == 50);
  REQUIRE(shown.height() == 14);
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 50; ++x) {
      const std::uint8_t* pixel = expected->row(y) + x * 4;
      const COLORREF want = RGB(pixel[2], pixel[1], pixel[0]);
      if (want != face) ++ink;
      if (shown.at(x, y) != want && differing++ < 5) {
        CAPTURE(x);
        CAPTURE(y);
        CHECK(shown.at(x, y) == want);
      }
    }
  }
  CHECK(differing == 0);
  // Two strokes of nine 2 x 2 dots that cross.
  CHECK(ink > 30);
  test.root().removeAllChildren();
}

TEST_CASE("a plain button answers the colour message with its background and its font's colour") {
  TestWindow test(60, 60, 230, 120);
  REQUIRE(test.window() != nullptr);
  EventLog log;
  Button* button = addButton(test, log, 200, 40);
  HDC dc = GetDC(handleOf(button));
  auto colourOfAnswer = [&] {
    // As the platform asks the parent, which reflects it to the button.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(test.window(), WM_CTLCOLORBTN,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(handleOf(button))));
    LOGBRUSH described{};
    REQUIRE(GetObjectW(brush, sizeof(described), &described) == sizeof(described));
    return described.lbColor;
  };
  // Transparent: the colour of what lies behind it.
  test.root().setBackgroundRgb(90, 80, 70, false);
  CHECK(colourOfAnswer() == RGB(90, 80, 70));
  CHECK(GetTextColor(dc) == GetSysColor(COLOR_BTNTEXT));
  button->setBackgroundRgb(10, 20, 30, false);
  button->setFontColour(200, 0, 0);
  CHECK(colourOfAnswer() == RGB(10, 20, 30));
  CHECK(GetTextColor(dc) == RGB(200, 0, 0));
  ReleaseDC(handleOf(button), dc);

  // With a drawer the button paints itself and leaves the colours to the platform.
  s::base::Owned<s::gui::drawer::Skinner> skin = s::gui::drawer::Skinner::createThinWindow();
  skin->selectScheme(u"Classic LG");
  button->setDrawer(skin->currentScheme()->buttonDrawer(), false);
  CHECK(SendMessageW(handleOf(button), s::gui::PrivateMessage::kReflectedColour, 0,
                     reinterpret_cast<LPARAM>(handleOf(button))) == 0);
  test.root().removeAllChildren();
}
