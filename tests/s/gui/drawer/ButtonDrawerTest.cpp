#include <doctest/doctest.h>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/button/Thin.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::drawer::button::win::Thin;
using s::gui::win::FontSetting;
using support::addBlock;
using support::DrawCanvas;
using support::PixelSet;

namespace {

constexpr Colour kLine = rgb(100, 100, 100);
constexpr Colour kHotLine = rgb(40, 40, 40);
constexpr Colour kDisabledLine = rgb(160, 160, 160);
constexpr Colour kHotFill = rgb(25, 25, 25);
constexpr Colour kCaption = rgb(250, 250, 250);
constexpr Colour kBackground = DrawCanvas::kBackground;

s::base::Owned<Thin> configured() {
  s::base::Owned<Thin> button = Thin::create(kLine);
  button->setHotLineColour(40, 40, 40);
  button->setDisabledLineColour(160, 160, 160);
  button->setHotFillColour(25, 25, 25);
  return button;
}

FontSetting captionFont() {
  FontSetting font;
  font.setTextColour(kCaption);
  return font;
}

Colour shade(Colour colour, int percent) {
  return s::gui::drawer::border::win::Thin::shade(colour, percent);
}

}  // namespace

TEST_CASE("a close box that is not hot gives its glyph the area inside the frame's pixel") {
  s::base::Owned<Thin> button = configured();
  DrawCanvas canvas(50, 14);
  button->paint(canvas.surface(), Rect{0, 0, 50, 14}, 0, u"#X", false, captionFont(), true, false,
                false);
  PixelSet strokes;
  for (int i = 0; i < 9; ++i) {
    addBlock(strokes, 20 + i, 2 + i, 2, 2);
    addBlock(strokes, 28 - i, 2 + i, 2, 2);
  }
  CHECK(canvas.painted() == strokes);
  CHECK(canvas.at(20, 2) == kLine);
  CHECK(canvas.surface().textCalls().empty());
}

TEST_CASE("a hot unframed button is filled and framed softly, its glyph in the caption colour") {
  s::base::Owned<Thin> button = configured();
  DrawCanvas canvas(50, 14);
  button->paint(canvas.surface(), Rect{0, 0, 50, 14}, 0, u"#X", false, captionFont(), true, true,
                false);
  CHECK(canvas.at(5, 5) == kHotFill);
  CHECK(canvas.at(25, 0) == shade(kHotLine, 105));  // soft top
  CHECK(canvas.at(49, 7) == shade(kHotLine, 90));   // soft right
  CHECK(canvas.at(25, 13) == shade(kHotLine, 85));  // soft bottom
  CHECK(canvas.at(0, 7) == kHotLine);               // soft left, x 1.0
  // Hot: the caption area is not widened, so the cross starts a pixel further in.
  CHECK(canvas.at(21, 3) == kCaption);
  CHECK(canvas.at(20, 2) == kHotFill);
}

TEST_CASE("a hot focused unframed button leaves its top row unfilled") {
  s::base::Owned<Thin> button = configured();
  button->setBorderStyle(7);  // no frame, so the fill alone shows
  DrawCanvas canvas(20, 10);
  button->paint(canvas.surface(), Rect{0, 0, 20, 10}, 0, nullptr, false, captionFont(), true, true,
                true);
  for (int x = 0; x < 20; ++x) {
    CHECK(canvas.at(x, 0) == kBackground);
    CHECK(canvas.at(x, 1) == kHotFill);
    CHECK(canvas.at(x, 9) == kHotFill);
  }
}

TEST_CASE("an unframed button that is not hot shows only an open frame when focused") {
  s::base::Owned<Thin> button = configured();
  DrawCanvas canvas(20, 10);
  button->paint(canvas.surface(), Rect{0, 0, 20, 10}, 0, nullptr, false, captionFont(), true, false,
                false);
  CHECK(canvas.untouched());
  button->paint(canvas.surface(), Rect{0, 0, 20, 10}, 0, nullptr, false, captionFont(), true, false,
                true);
  CHECK(canvas.at(10, 0) == shade(kLine, 105));
  CHECK(canvas.at(10, 9) == kBackground);
  CHECK(canvas.at(10, 5) == kBackground);
}

TEST_CASE("framed buttons: the type picks the frame's shape, hovering swaps raised and sunken") {
  struct Case {
    int type;
    bool hot, enabled;
    int topPercent;
    Colour line;
    bool filled;
  };
  const Case cases[] = {
      {0, false, true, 105, kLine, false},   // soft
      {1, false, true, 115, kLine, false},   // raised
      {2, false, true, 85, kLine, false},    // sunken
      {1, true, true, 85, kHotLine, true},   // raised turns sunken
      {2, true, true, 115, kHotLine, true},  // sunken turns raised
      {1, false, false, 115, kDisabledLine, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.type);
    CAPTURE(c.hot);
    CAPTURE(c.enabled);
    s::base::Owned<Thin> button = configured();
    DrawCanvas canvas(30, 12);
    button->paint(canvas.surface(), Rect{0, 0, 30, 12}, c.type, nullptr, true, captionFont(),
                  c.enabled, c.hot, false);
    CHECK(canvas.at(15, 0) == shade(c.line, c.topPercent));
    CHECK(canvas.at(15, 6) == (c.filled ? kHotFill : kBackground));
    // Border style 1 cuts the corners.
    CHECK(canvas.at(0, 0) == kBackground);
  }
}

TEST_CASE("the caption area moves with pushed content and widens when nothing was filled") {
  struct Case {
    int type;
    bool hot;
    bool push;
    Rect area;
  };
  const Rect button{10, 10, 70, 30};
  const Case cases[] = {
      {0, false, true, Rect{11, 11, 69, 29}},   // inset 2, widened by 1
      {1, false, true, Rect{10, 10, 68, 28}},   // (l+1, t+1, r-3, b-3), widened
      {2, false, true, Rect{12, 12, 70, 30}},   // (l+3, t+3, r-1, b-1), widened
      {1, true, true, Rect{13, 13, 69, 29}},    // hot: raised becomes sunken, not widened
      {1, false, false, Rect{11, 11, 69, 29}},  // no push: inset 2, widened
      {0, true, true, Rect{12, 12, 68, 28}},
  };
  for (const Case& c : cases) {
    CAPTURE(c.type);
    CAPTURE(c.hot);
    CAPTURE(c.push);
    s::base::Owned<Thin> drawer = configured();
    drawer->setPushContent(c.push);
    DrawCanvas canvas(80, 40);
    drawer->paint(canvas.surface(), button, c.type, u"OK", true, captionFont(), true, c.hot, false);
    const auto& calls = canvas.surface().textCalls();
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].rect == c.area);
    CHECK(calls[0].text == u"OK");
    CHECK(calls[0].colour == kCaption);
    CHECK(calls[0].format == (0x1 | 0x4 | 0x20 | 0x800 | 0x8000));  // centred
  }
}

TEST_CASE("a button drawer starts grey with border style 1; its factory pushes content") {
  s::base::Owned<Thin> button = Thin::create(kLine);
  CHECK(button->pushContent());
  CHECK(button->lineColour() == kLine);
  button->normalFont().setTextColour(1, 2, 3);
  button->hotFont().setTextColour(4, 5, 6);
  CHECK(button->captionDrawer().fontSetting(0).textColour() == rgb(1, 2, 3));
  CHECK(button->hotCaptionDrawer().fontSetting(0).textColour() == rgb(4, 5, 6));
  button->reset();
  for (Colour colour : {button->lineColour(), button->disabledLineColour(), button->hotLineColour(),
                        button->hotFillColour()}) {
    CHECK(colour == rgb(120, 120, 120));
  }
  CHECK(button->borderStyle() == 1);
  CHECK_FALSE(button->pushContent());
  CHECK_FALSE(button->normalFont().isExplicit(FontSetting::kTextColour));
  CHECK(button->className() == std::u16string(u"s_gui_drawer_button_win_Thin"));
}
