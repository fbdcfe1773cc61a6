// The drawers the program does not show: their looks are ours, so these check the properties
// they use and the arithmetic where a slip would show.
#include <doctest/doctest.h>

#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/combo/Thin.h"
#include "s/gui/drawer/counter/Basic.h"
#include "s/gui/drawer/groupbox/Thin.h"
#include "s/gui/drawer/listbox/Thin.h"
#include "s/gui/drawer/listheader/Thin.h"
#include "s/gui/drawer/scrollbar/Thin.h"
#include "s/gui/drawer/slider/Thin.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using support::DrawCanvas;

namespace {
constexpr Colour kLine = rgb(40, 40, 40);
constexpr Colour kBar = rgb(90, 140, 200);
constexpr Colour kNone = DrawCanvas::kBackground;
}  // namespace

TEST_CASE("a scroll bar's thumb is as long as the page and placed by the position") {
  auto bar = s::gui::drawer::scrollbar::win::Thin::create(kLine, kBar);
  CHECK(bar->thickness() == 15);
  struct Case {
    int position;
    int firstRow;  // of the 10-row thumb in a 100-row track starting at row 2
  };
  for (const Case& c : {Case{45, 47}, Case{0, 2}, Case{90, 92}, Case{500, 92}, Case{-5, 2}}) {
    CAPTURE(c.position);
    DrawCanvas canvas(15, 104);
    bar->paint(canvas.surface(), Rect{0, 0, 15, 104}, true, 0, 99, 10, c.position, true);
    CHECK(canvas.at(0, 50) == kLine);
    CHECK(canvas.at(7, c.firstRow - 1) == kNone);
    CHECK(canvas.at(7, c.firstRow) == kBar);
    CHECK(canvas.at(7, c.firstRow + 9) == kBar);
    CHECK(canvas.at(7, c.firstRow + 10) == kNone);
  }
  // The whole range visible, or disabled: no thumb.
  DrawCanvas canvas(15, 104);
  bar->paint(canvas.surface(), Rect{0, 0, 15, 104}, true, 0, 99, 100, 0, true);
  bar->paint(canvas.surface(), Rect{0, 0, 15, 104}, true, 0, 99, 10, 0, false);
  CHECK(canvas.at(7, 10) == kNone);
}

TEST_CASE("a slider fills up to its value and greys when disabled") {
  auto slider = s::gui::drawer::slider::win::Thin::create(kLine, kBar);
  slider->setDisabledColour(200, 200, 200);
  DrawCanvas canvas(56, 10);
  // Thumb 6 wide over a 50-pixel travel: value 5 of 0..10 puts it at x 25.
  slider->paint(canvas.surface(), Rect{0, 0, 56, 10}, false, 0, 10, 5, true);
  CHECK(canvas.at(24, 4) == kBar);   // filled groove
  CHECK(canvas.at(24, 0) == kNone);  // beside the thumb
  CHECK(canvas.at(25, 0) == kBar);   // the thumb
  CHECK(canvas.at(31, 4) == kLine);  // the groove beyond
  slider->paint(canvas.surface(), Rect{0, 0, 56, 10}, false, 0, 10, 5, false);
  CHECK(canvas.at(25, 0) == rgb(200, 200, 200));
  CHECK(canvas.at(40, 4) == rgb(200, 200, 200));
}

TEST_CASE("a counter shows its share of the maximum inside its frame") {
  auto counter = s::gui::drawer::counter::win::Basic::create(rgb(119, 119, 119), rgb(255, 165, 0));
  DrawCanvas canvas(22, 6);
  counter->paint(canvas.surface(), Rect{0, 0, 22, 6}, 3, 10);
  CHECK(canvas.at(0, 3) == rgb(0, 0, 0));
  CHECK(canvas.at(6, 3) == rgb(255, 165, 0));  // 20 inner pixels x 3 / 10 = 6
  CHECK(canvas.at(7, 3) == rgb(119, 119, 119));
  counter->paint(canvas.surface(), Rect{0, 0, 22, 6}, 3, 0);
  CHECK(canvas.at(1, 3) == rgb(119, 119, 119));
}

TEST_CASE("list rows: background, stripe on odd rows, selection, and a tick when checked") {
  auto list = s::gui::drawer::listbox::win::Thin::create(
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(25, 25, 25), rgb(250, 250, 250), rgb(243, 243, 243));
  struct Case {
    int index;
    bool selected;
    Colour fill, text;
  };
  for (const Case& c : {Case{0, false, rgb(255, 255, 255), rgb(0, 0, 0)},
                        Case{1, false, rgb(243, 243, 243), rgb(0, 0, 0)},
                        Case{1, true, rgb(25, 25, 25), rgb(250, 250, 250)}}) {
    CAPTURE(c.index);
    CAPTURE(c.selected);
    DrawCanvas canvas(60, 16);
    list->paintItem(canvas.surface(), Rect{0, 0, 60, 16}, c.index, u"Row", nullptr, c.selected,
                    true, true);
    CHECK(canvas.at(50, 8) == c.fill);
    REQUIRE(canvas.surface().textCalls().size() == 1);
    CHECK(canvas.surface().textCalls()[0].colour == c.text);
    CHECK(canvas.surface().textCalls()[0].rect.left == 15);  // after the tick's cell
    // "#Check" in the cell (2, 2, 13, 13): its first column starts at (4, 6).
    CHECK(canvas.at(4, 6) == c.text);
  }
}

TEST_CASE("a group box breaks its top line for the caption at the caption's middle") {
  auto group = s::gui::drawer::groupbox::win::Thin::create(kLine);
  group->setCaptionColour(1, 1, 1);
  group->setDisabledCaptionColour(2, 2, 2);
  DrawCanvas canvas(80, 40);
  canvas.surface().setTextCell(7, 14);
  group->paint(canvas.surface(), Rect{0, 0, 80, 40}, u"Name", nullptr, false);
  CHECK(canvas.at(0, 0) == kNone);
  CHECK(canvas.at(0, 7) == kLine);
  CHECK(canvas.at(5, 7) == kLine);
  CHECK(canvas.at(6, 7) == kNone);   // the gap from indent - 2 ...
  CHECK(canvas.at(37, 7) == kNone);  // ... to the caption's width + 4 later
  CHECK(canvas.at(38, 7) == kLine);
  CHECK(canvas.at(79, 20) == kLine);
  CHECK(canvas.at(40, 39) == kLine);
  REQUIRE(canvas.surface().textCalls().size() == 1);
  CHECK(canvas.surface().textCalls()[0].colour == rgb(2, 2, 2));
}

TEST_CASE("a drop-down field sinks while pressed and takes its caption colour by state") {
  auto combo = s::gui::drawer::combo::win::Thin::create(rgb(1, 1, 1), kLine);
  combo->setSecondCaptionColour(2, 2, 2);
  CHECK(combo->captionFont(0).textColour() == rgb(1, 1, 1));
  CHECK(combo->captionFont(1).textColour() == rgb(2, 2, 2));
  using s::gui::drawer::border::win::Thin;
  for (int state : {0, 1, 2}) {
    CAPTURE(state);
    DrawCanvas canvas(80, 20);
    combo->paint(canvas.surface(), Rect{0, 0, 80, 20}, u"Pick", combo->captionFont(state), state);
    CHECK(canvas.at(30, 0) == Thin::shade(kLine, state == 2 ? 85 : 105));
    REQUIRE(canvas.surface().textCalls().size() == 1);
    CHECK(canvas.surface().textCalls()[0].colour == (state == 0 ? rgb(1, 1, 1) : rgb(2, 2, 2)));
    // The arrow's separator shows while hot or pressed.
    CHECK((canvas.at(66, 10) == kLine) == (state != 0));
  }
}

TEST_CASE("a list header fills its title and draws its lines and caption") {
  auto header = s::gui::drawer::listheader::win::Thin::create(kLine, rgb(230, 230, 230));
  header->setCaptionColour(5, 5, 5);
  CHECK(header->filled());
  DrawCanvas canvas(50, 18);
  header->paint(canvas.surface(), Rect{0, 0, 50, 18}, u"Name", nullptr, false);
  CHECK(canvas.at(10, 5) == rgb(230, 230, 230));
  CHECK(canvas.at(10, 17) == kLine);
  CHECK(canvas.at(49, 5) == kLine);
  REQUIRE(canvas.surface().textCalls().size() == 1);
  CHECK(canvas.surface().textCalls()[0].colour == rgb(5, 5, 5));
}
