#include <doctest/doctest.h>

#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/border/UnderWindowMenu.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using support::DrawCanvas;

namespace {

// Channels chosen so that x 1.15 passes 255, some products truncate and 100 x 1.15 is exactly
// 115 (a floating-point product would give 114.99...).
constexpr Colour kColour = rgb(230, 100, 17);
constexpr Colour kTimes115 = rgb(255, 115, 19);
constexpr Colour kTimes105 = rgb(241, 105, 17);
constexpr Colour kTimes100 = kColour;
constexpr Colour kTimes90 = rgb(207, 90, 15);
constexpr Colour kTimes85 = rgb(195, 85, 14);
constexpr Colour kTimes70 = rgb(161, 70, 11);
constexpr Colour kTimes50 = rgb(115, 50, 8);
constexpr Colour kNone = DrawCanvas::kBackground;

// Rectangle (2, 3, 14, 11): the middle of each edge, away from the corners.
constexpr int kL = 2, kT = 3, kR = 14, kB = 11;

}  // namespace

TEST_CASE("border edges take the shape's shades, truncated and limited to 255") {
  struct Case {
    int shape;
    Colour top, right, bottom, left;
  };
  const Case cases[] = {
      {0, kTimes115, kTimes70, kTimes50, kTimes105},
      {1, kTimes105, kTimes90, kTimes85, kTimes100},
      {2, kTimes85, kTimes100, kTimes105, kTimes90},
      {3, kTimes105, kTimes90, kNone, kTimes100},
  };
  s::base::Owned<s::gui::drawer::border::win::Thin> border =
      s::gui::drawer::border::win::Thin::create();
  for (const Case& c : cases) {
    CAPTURE(c.shape);
    DrawCanvas canvas(16, 14);
    border->paint(canvas.surface(), Rect{kL, kT, kR, kB}, c.shape, 0, kColour);
    CHECK(canvas.at(8, kT) == c.top);
    CHECK(canvas.at(kR - 1, 7) == c.right);
    CHECK(canvas.at(8, kB - 1) == c.bottom);
    CHECK(canvas.at(kL, 7) == c.left);
    CHECK(canvas.at(8, 7) == kNone);
  }
}

TEST_CASE("without shading every edge is the colour itself") {
  s::base::Owned<s::gui::drawer::border::win::Thin> border =
      s::gui::drawer::border::win::Thin::create();
  CHECK(border->shading());
  border->setShading(false);
  for (int shape = 0; shape < 3; ++shape) {
    DrawCanvas canvas(16, 14);
    border->paint(canvas.surface(), Rect{kL, kT, kR, kB}, shape, 0, kColour);
    for (const auto& pixel : canvas.painted()) {
      CHECK(canvas.at(pixel.first, pixel.second) == kColour);
    }
  }
  border->reset();
  CHECK(border->shading());
}

TEST_CASE("corner kinds cut the frame's corners and keep it one pixel wide") {
  s::base::Owned<s::gui::drawer::border::win::Thin> border =
      s::gui::drawer::border::win::Thin::create();
  for (int shape = 0; shape < 4; ++shape) {
    for (int cut = 0; cut < 3; ++cut) {
      CAPTURE(shape);
      CAPTURE(cut);
      const bool bottomEdge = shape != 3;
      // Each edge shortened by `cut` at both ends; kind 2 adds a pixel inside each cut corner
      // (the open shape has no bottom corners).
      support::PixelSet expected;
      support::addBlock(expected, kL + cut, kT, kR - kL - 2 * cut, 1);
      support::addBlock(expected, kR - 1, kT + cut, 1, kB - kT - 2 * cut);
      if (bottomEdge) support::addBlock(expected, kL + cut, kB - 1, kR - kL - 2 * cut, 1);
      support::addBlock(expected, kL, kT + cut, 1, kB - kT - 2 * cut);
      if (cut == 2) {
        expected.insert({kL + 1, kT + 1});
        expected.insert({kR - 2, kT + 1});
        if (bottomEdge) {
          expected.insert({kR - 2, kB - 2});
          expected.insert({kL + 1, kB - 2});
        }
      }
      DrawCanvas canvas(16, 14);
      border->paint(canvas.surface(), Rect{kL, kT, kR, kB}, shape, cut, kColour);
      CHECK(canvas.painted() == expected);
    }
  }
}

TEST_CASE("the line under the window menu is a dark row over a white one at the origin") {
  s::base::Owned<s::gui::drawer::border::win::UnderWindowMenu> line =
      s::gui::drawer::border::win::UnderWindowMenu::create();
  DrawCanvas canvas(12, 5);
  line->paint(canvas.surface(), Rect{3, 2, 13, 6}, 0, 0, kColour);
  for (int x = 0; x < 12; ++x) {
    CAPTURE(x);
    CHECK(canvas.at(x, 0) == (x < 10 ? rgb(172, 168, 153) : kNone));
    CHECK(canvas.at(x, 1) == (x < 10 ? rgb(255, 255, 255) : kNone));
    CHECK(canvas.at(x, 2) == kNone);
  }
  line->setShading(true);
  CHECK_FALSE(line->shading());
}
