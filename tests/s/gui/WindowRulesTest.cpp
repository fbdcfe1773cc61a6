// The window rules that are plain arithmetic: where a stored place may be used, moving into the
// virtual screen, the frameless border's zones, transparency alpha, hot-key flags and text, and
// the middle-click action word.
#include <doctest/doctest.h>

#include <string>

#include "s/gui/FrameHitTest.h"
#include "s/gui/HotKey.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/Transparency.h"
#include "s/gui/WindowPlacement.h"

using s::gui::FrameHit;
using s::gui::ScreenRect;

namespace {

// Two monitors side by side, the left one starting at a negative x.
constexpr ScreenRect kScreen{-1280, 0, 2560, 1024};

}  // namespace

TEST_CASE("a stored place is usable only when the window is larger than 10 and 10 pixels show") {
  struct Case {
    ScreenRect window;
    bool usable;
  };
  const Case cases[] = {
      {{100, 100, 230, 230}, true},
      {{100, 100, 10, 230}, false},  // width must be more than 10
      {{100, 100, 11, 230}, true},
      {{100, 100, 230, 10}, false},
      {{100, 100, 230, 11}, true},
      // The left edge may go up to 10 pixels before the screen's right edge (1280).
      {{1270, 100, 230, 230}, true},
      {{1271, 100, 230, 230}, false},
      // The right edge must be 10 pixels past the screen's left edge (-1280).
      {{-1280 - 230 + 10, 100, 230, 230}, true},
      {{-1280 - 230 + 9, 100, 230, 230}, false},
      // The same vertically against 0 .. 1024.
      {{100, 1014, 230, 230}, true},
      {{100, 1015, 230, 230}, false},
      {{100, -220, 230, 230}, true},
      {{100, -221, 230, 230}, false},
      {{-30000, -30000, 230, 230}, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.window.x);
    CAPTURE(c.window.y);
    CAPTURE(c.window.width);
    CAPTURE(c.window.height);
    CHECK(s::gui::isStoredPositionUsable(c.window, kScreen) == c.usable);
  }
}

TEST_CASE("moving into the virtual screen shifts back over the far edges, then the near ones") {
  struct Case {
    ScreenRect window;
    ScreenRect moved;
  };
  const Case cases[] = {
      {{0, 0, 230, 230}, {0, 0, 230, 230}},
      {{1200, 900, 230, 230}, {1050, 794, 230, 230}},
      {{-1300, -5, 230, 230}, {-1280, 0, 230, 230}},
      // Larger than the screen: the top-left edges win.
      {{0, 0, 3000, 2000}, {-1280, 0, 3000, 2000}},
  };
  for (const Case& c : cases) {
    CAPTURE(c.window.x);
    CAPTURE(c.window.y);
    CHECK(s::gui::moveIntoScreen(c.window, kScreen) == c.moved);
  }
}

TEST_CASE("centring on the work area never leaves its top-left corner") {
  const ScreenRect area{0, 30, 1280, 954};
  CHECK(s::gui::centreOnArea(230, 230, area) == ScreenRect{525, 392, 230, 230});
  CHECK(s::gui::centreOnArea(2000, 1200, area) == ScreenRect{0, 30, 2000, 1200});
}

TEST_CASE("a stored width or height is valid from 10 up to the virtual screen's extent") {
  CHECK_FALSE(s::gui::isStoredExtentValid(9, 1280));
  CHECK(s::gui::isStoredExtentValid(10, 1280));
  CHECK(s::gui::isStoredExtentValid(1280, 1280));
  CHECK_FALSE(s::gui::isStoredExtentValid(1281, 1280));
  CHECK_FALSE(s::gui::isStoredExtentValid(-5, 1280));
}

TEST_CASE("the frameless border answers its zones up to their boundaries") {
  constexpr int W = 300;
  constexpr int H = 200;
  struct Case {
    int x;
    int y;
    FrameHit hit;
  };
  const Case cases[] = {
      // Right edge: x > W - 5.
      {W - 5, 100, FrameHit::kNone},
      {W - 4, 100, FrameHit::kRight},
      {W - 4, 29, FrameHit::kTopRight},
      {W - 4, 30, FrameHit::kRight},
      {W - 4, H - 30, FrameHit::kRight},
      {W - 4, H - 29, FrameHit::kBottomRight},
      // Bottom edge: y > H - 5.
      {100, H - 5, FrameHit::kNone},
      {100, H - 4, FrameHit::kBottom},
      {29, H - 4, FrameHit::kBottomLeft},
      {30, H - 4, FrameHit::kBottom},
      {W - 30, H - 4, FrameHit::kBottom},
      {W - 29, H - 4, FrameHit::kBottomRight},
      // Left edge: x < 5.
      {5, 100, FrameHit::kNone},
      {4, 100, FrameHit::kLeft},
      {4, H - 29, FrameHit::kBottomLeft},
      {4, H - 30, FrameHit::kLeft},
      {4, 30, FrameHit::kLeft},
      {4, 29, FrameHit::kTopLeft},
      // Top edge: y <= 4.
      {100, 5, FrameHit::kNone},
      {100, 4, FrameHit::kTop},
      {29, 0, FrameHit::kTopLeft},
      {30, 0, FrameHit::kTop},
      {W - 30, 0, FrameHit::kTop},
      {W - 29, 0, FrameHit::kTopRight},
      // The corners themselves go to the edge tested first.
      {0, 0, FrameHit::kTopLeft},
      {W - 1, H - 1, FrameHit::kBottomRight},
      {0, H - 1, FrameHit::kBottomLeft},
      {W - 1, 0, FrameHit::kTopRight},
  };
  for (const Case& c : cases) {
    CAPTURE(c.x);
    CAPTURE(c.y);
    CHECK(s::gui::frameHitTest(c.x, c.y, W, H) == c.hit);
  }
}

TEST_CASE("transparency alpha is percent x 255 / 100, truncated and limited to 0..255") {
  CHECK(s::gui::alphaOfPercent(100) == 255);
  CHECK(s::gui::alphaOfPercent(50) == 127);
  CHECK(s::gui::alphaOfPercent(1) == 2);
  CHECK(s::gui::alphaOfPercent(0) == 0);
  CHECK(s::gui::alphaOfPercent(-20) == 0);
  CHECK(s::gui::alphaOfPercent(180) == 255);
}

TEST_CASE("hot-key flags add the no-repeat flag from Windows 7 on, and the text names the keys") {
  const s::gui::HotKeyModifiers altCtrl{true, true, false, false};
  CHECK(s::gui::hotKeyModifierFlags(altCtrl, 5, 1) == 0x0003);
  CHECK(s::gui::hotKeyModifierFlags(altCtrl, 6, 0) == 0x0003);
  CHECK(s::gui::hotKeyModifierFlags(altCtrl, 6, 1) == 0x4003);
  CHECK(s::gui::hotKeyModifierFlags(altCtrl, 10, 0) == 0x4003);
  CHECK(s::gui::hotKeyModifierFlags({false, false, true, true}, 5, 2) == 0x000C);

  CHECK(std::u16string(s::gui::hotKeyOccupiedText(altCtrl, 72)->text()) ==
        u"HotKey Alt+Ctrl+72 has been occupied by another application.");
  CHECK(std::u16string(s::gui::hotKeyOccupiedText({true, true, true, true}, 112)->text()) ==
        u"HotKey Alt+Ctrl+Shift+WinKey+112 has been occupied by another application.");
  CHECK(std::u16string(s::gui::hotKeyOccupiedText({}, 65)->text()) ==
        u"HotKey 65 has been occupied by another application.");
}

TEST_CASE("a stored middle-click action reads as one of the three words in their own spelling") {
  struct Case {
    const char16_t* stored;
    const char16_t* action;
  };
  const Case cases[] = {
      {u"Close", s::gui::kActionClose},         {u"close", s::gui::kActionClose},
      {u"ICONIZE", s::gui::kActionIconize},     {u"iConIzE", s::gui::kActionIconize},
      {u"DONOTHING", s::gui::kActionDoNothing}, {u"Minimize", s::gui::kActionDoNothing},
      {u"Close ", s::gui::kActionDoNothing},    {u"", s::gui::kActionDoNothing},
      {nullptr, s::gui::kActionDoNothing},
  };
  for (const Case& c : cases) {
    CAPTURE(std::u16string(c.stored != nullptr ? c.stored : u"<null>").size());
    // The very constant, so callers may compare pointers.
    CHECK(s::gui::normalizeMiddleClickAction(c.stored) == c.action);
  }
}
