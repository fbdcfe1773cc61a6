#include <doctest/doctest.h>

#include <vector>

#include "s/gui/drawer/window/Thin.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::Region;
using s::gui::drawer::rgb;
using s::gui::drawer::window::win::Thin;
using support::addBlock;
using support::DrawCanvas;
using support::PixelSet;

namespace {

constexpr Colour kFace = rgb(116, 116, 116);
constexpr Colour kBorder = rgb(17, 17, 17);
constexpr int kW = 24;
constexpr int kH = 16;

// Runs (x, y, length) of border pixels beyond the square frame.
struct Run {
  int x, y, length;
};

PixelSet squareFrame() {
  PixelSet frame;
  addBlock(frame, 0, 0, kW, 1);
  addBlock(frame, kW - 1, 0, 1, kH);
  addBlock(frame, 0, kH - 1, kW, 1);
  addBlock(frame, 0, 0, 1, kH - 1);
  return frame;
}

// Paints a kW x kH window and checks every pixel: border where the frame and runs say, face
// everywhere else.
void checkFrame(int top, int bottom, const std::vector<Run>& runs) {
  s::base::Owned<Thin> drawer = Thin::create(kBorder, kFace);
  drawer->setTopCornerStyle(top);
  drawer->setBottomCornerStyle(bottom);
  DrawCanvas canvas(kW, kH);
  drawer->paint(canvas.surface(), Rect{0, 0, kW, kH});
  PixelSet border = squareFrame();
  for (const Run& run : runs) addBlock(border, run.x, run.y, run.length, 1);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      CAPTURE(x);
      CAPTURE(y);
      CHECK(canvas.at(x, y) == (border.count({x, y}) ? kBorder : kFace));
    }
  }
}

const std::vector<Run> kSmallTopRuns = {{0, 1, 2}, {kW - 2, 1, 2}};
const std::vector<Run> kSmallBottomRuns = {{0, kH - 2, 2}, {kW - 2, kH - 2, 2}};
const std::vector<Run> kLargeTopRuns = {
    {0, 1, 5},      {0, 2, 3},      {0, 3, 2},      {0, 4, 2},      {0, 5, 1},
    {kW - 5, 1, 5}, {kW - 3, 2, 3}, {kW - 2, 3, 2}, {kW - 2, 4, 2}, {kW - 1, 5, 1}};
const std::vector<Run> kLargeBottomRuns = {
    {0, kH - 6, 1},      {0, kH - 5, 2},      {0, kH - 4, 2},      {0, kH - 3, 3},
    {0, kH - 2, 5},      {kW - 1, kH - 6, 1}, {kW - 2, kH - 5, 2}, {kW - 3, kH - 4, 2},
    {kW - 4, kH - 3, 3}, {kW - 5, kH - 2, 5}};

std::vector<Run> joined(std::vector<Run> a, const std::vector<Run>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST_CASE("the window frame rounds only the sides whose corner style asks for it") {
  SUBCASE("square") { checkFrame(0, 0, {}); }
  SUBCASE("small rounding on top: two more pixels in each top corner") {
    checkFrame(1, 0, kSmallTopRuns);
  }
  SUBCASE("small rounding at the bottom") { checkFrame(0, 1, kSmallBottomRuns); }
  SUBCASE("small rounding on both") { checkFrame(1, 1, joined(kSmallTopRuns, kSmallBottomRuns)); }
  SUBCASE("large rounding on top") { checkFrame(2, 0, kLargeTopRuns); }
  SUBCASE("large rounding on both, the listed runs in all four corners") {
    checkFrame(2, 2, joined(kLargeTopRuns, kLargeBottomRuns));
  }
  SUBCASE("a small top wins over a large bottom, which stays square") {
    checkFrame(1, 2, kSmallTopRuns);
  }
}

TEST_CASE("the window frame paints at the control's origin whatever the rectangle's offset") {
  s::base::Owned<Thin> drawer = Thin::create(kBorder, kFace);
  DrawCanvas at(kW, kH);
  DrawCanvas offset(kW, kH);
  drawer->paint(at.surface(), Rect{0, 0, 10, 6});
  drawer->paint(offset.surface(), Rect{5, 7, 15, 13});
  CHECK(at.painted() == offset.painted());
  CHECK(offset.at(9, 5) == kBorder);
}

TEST_CASE("a reset window drawer is transparent until a face colour is set") {
  s::base::Owned<Thin> drawer = Thin::create(kBorder, kFace);
  drawer->reset();
  CHECK(drawer->isTransparent());
  CHECK(drawer->faceColour() == rgb(255, 255, 255));
  CHECK(drawer->borderColour() == rgb(120, 120, 120));
  CHECK(drawer->topCornerStyle() == 0);
  CHECK(drawer->bottomCornerStyle() == 0);
  DrawCanvas canvas(8, 8);
  drawer->paint(canvas.surface(), Rect{0, 0, 8, 8});
  CHECK(canvas.at(4, 4) == DrawCanvas::kBackground);
  CHECK(canvas.at(0, 4) == rgb(120, 120, 120));

  drawer->setFaceColour(10, 20, 30);
  CHECK_FALSE(drawer->isTransparent());
  CHECK(drawer->faceRed() == 10);
  CHECK(drawer->faceGreen() == 20);
  CHECK(drawer->faceBlue() == 30);
  drawer->paint(canvas.surface(), Rect{0, 0, 8, 8});
  CHECK(canvas.at(4, 4) == rgb(10, 20, 30));
}

TEST_CASE("the window region is square, rounded, or rounded with two corners squared again") {
  struct Case {
    int top, bottom;
    Region::Kind kind;
    int ellipse;
    bool hasExtra;
    Rect extra;
  };
  // For left 10, top 20 and the inclusive right 109 and bottom 79.
  const Case cases[] = {
      {0, 0, Region::Kind::kRectangle, 0, false, {}},
      {1, 0, Region::Kind::kRounded, 5, true, Rect{10, 76, 110, 80}},
      {0, 1, Region::Kind::kRounded, 5, true, Rect{10, 20, 110, 24}},
      {1, 1, Region::Kind::kRounded, 5, false, {}},
      {2, 0, Region::Kind::kRounded, 11, true, Rect{10, 74, 110, 80}},
      {0, 2, Region::Kind::kRounded, 11, true, Rect{10, 20, 110, 26}},
      {2, 2, Region::Kind::kRounded, 11, false, {}},
      {1, 2, Region::Kind::kRounded, 5, true, Rect{10, 76, 110, 80}},
      {3, 0, Region::Kind::kNone, 0, false, {}},
  };
  s::base::Owned<Thin> drawer = Thin::create(kBorder, kFace);
  for (const Case& c : cases) {
    CAPTURE(c.top);
    CAPTURE(c.bottom);
    drawer->setTopCornerStyle(c.top);
    drawer->setBottomCornerStyle(c.bottom);
    const Region region = drawer->makeRegion(10, 20, 109, 79);
    CHECK(region.kind == c.kind);
    if (c.kind == Region::Kind::kNone) continue;
    CHECK(region.bounds == Rect{10, 20, 110, 80});
    if (c.kind == Region::Kind::kRounded) CHECK(region.ellipse == c.ellipse);
    CHECK(region.hasExtra == c.hasExtra);
    if (c.hasExtra) CHECK(region.extra == c.extra);
  }
}
