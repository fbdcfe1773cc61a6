// The status bar's gradient depends on the system's version, which only the host's stand-in
// lets a test choose; on Windows the Windows tests compare it with real GDI instead.
#ifndef _WIN32

#include <doctest/doctest.h>

#include "s/gui/drawer/statusbar/Basic.h"
#include "s/gui/drawer/statusbar/Thin.h"
#include "s/system/os/host/HostPlatform.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::drawer::statusbar::win::Basic;
using support::DrawCanvas;
using support::PixelSet;

namespace {

struct PlatformRestorer {
  ~PlatformRestorer() { s::system::os::host::resetPlatform(); }
};

constexpr int kW = 40;
constexpr int kH = 20;
constexpr Colour kGripDot = rgb(184, 181, 161);
constexpr Colour kWhite = rgb(255, 255, 255);

// The grip's pixels as its six dots paint them: white one pixel down and right, then the dot.
void expectedGrip(int w, int h, Colour (&pixels)[kH][kW]) {
  const int dots[6][2] = {{w - 4, h - 12}, {w - 4, h - 8}, {w - 8, h - 8},
                          {w - 4, h - 4},  {w - 8, h - 4}, {w - 12, h - 4}};
  for (const auto& dot : dots) {
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) pixels[dot[1] + 1 + dy][dot[0] + 1 + dx] = kWhite;
    }
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) pixels[dot[1] + dy][dot[0] + dx] = kGripDot;
    }
  }
}

}  // namespace

TEST_CASE("a 20-pixel status bar before 6.0 paints the gradient's bands and top corners") {
  PlatformRestorer restorer;
  s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(5, 1));
  s::base::Owned<Basic> bar = Basic::create();
  bar->setGradient(true);
  DrawCanvas canvas(kW, kH);
  bar->paint(canvas.surface(), Rect{0, 0, kW, kH});

  const Colour rows[kH] = {
      rgb(149, 147, 133), rgb(191, 189, 176), rgb(215, 212, 197), rgb(232, 229, 212),
      rgb(238, 235, 217), rgb(236, 233, 216), rgb(236, 233, 216), rgb(236, 233, 216),
      rgb(236, 233, 216), rgb(236, 233, 216), rgb(236, 233, 216), rgb(235, 232, 212),
      rgb(235, 232, 212), rgb(235, 232, 212), rgb(234, 230, 211), rgb(231, 228, 209),
      rgb(227, 225, 205), rgb(221, 219, 199), rgb(217, 214, 192), rgb(223, 220, 202)};
  const Colour row0[7] = {rgb(166, 164, 149), rgb(158, 155, 141), rgb(154, 151, 138),
                          rgb(154, 151, 138), rgb(154, 151, 138), rgb(151, 149, 136),
                          rgb(150, 147, 134)};
  const Colour row1[7] = {rgb(227, 228, 223), rgb(222, 223, 218), rgb(219, 220, 217),
                          rgb(219, 220, 217), rgb(219, 220, 217), rgb(217, 218, 215),
                          rgb(216, 217, 214)};
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      CAPTURE(x);
      CAPTURE(y);
      const int fromEdge = std::min(x, kW - 1 - x);
      Colour expected = rows[y];
      if (y == 0 && fromEdge < 7) expected = row0[fromEdge];
      if (y == 1 && fromEdge < 7) expected = row1[fromEdge];
      CHECK(canvas.at(x, y) == expected);
    }
  }
}

TEST_CASE("the size grip is six dots with white highlights in the bottom-right corner") {
  PlatformRestorer restorer;
  for (int major : {5, 6}) {
    CAPTURE(major);
    s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(major, 0));
    s::base::Owned<Basic> bar = Basic::create();
    bar->setSizeGrip(true);
    bar->setGradient(major == 6);  // from 6.0 on the gradient is never painted
    DrawCanvas canvas(kW, kH);
    bar->paint(canvas.surface(), Rect{0, 0, kW, kH});
    Colour expected[kH][kW];
    for (auto& row : expected) {
      for (Colour& pixel : row) pixel = DrawCanvas::kBackground;
    }
    expectedGrip(kW, kH, expected);
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        CAPTURE(x);
        CAPTURE(y);
        CHECK(canvas.at(x, y) == expected[y][x]);
      }
    }
  }
}

TEST_CASE("a status bar without flags paints nothing, and says how high it wants to be") {
  PlatformRestorer restorer;
  s::base::Owned<Basic> bar = Basic::create();
  CHECK_FALSE(bar->gradient());
  CHECK_FALSE(bar->sizeGrip());
  CHECK(bar->height() == 23);
  DrawCanvas canvas(kW, kH);
  bar->paint(canvas.surface(), Rect{0, 0, kW, kH});
  CHECK(canvas.untouched());

  bar->setGradient(true);
  bar->setSizeGrip(true);
  bar->reset();
  CHECK_FALSE(bar->gradient());
  CHECK_FALSE(bar->sizeGrip());

  s::base::Owned<s::gui::drawer::statusbar::win::Thin> thin =
      s::gui::drawer::statusbar::win::Thin::create(rgb(1, 1, 1));
  CHECK(thin->height() == 13);
  thin->paint(canvas.surface(), Rect{0, 0, kW, kH});
  CHECK(canvas.untouched());
}

TEST_CASE("a status bar lower than its gradient keeps every band inside itself") {
  PlatformRestorer restorer;
  s::base::Owned<Basic> bar = Basic::create();
  bar->setGradient(true);
  DrawCanvas canvas(kW, kH);
  bar->paint(canvas.surface(), Rect{0, 0, kW, 3});
  for (const auto& pixel : canvas.painted()) CHECK(pixel.second < 3);
  CHECK(canvas.at(20, 2) == rgb(223, 220, 202));  // the last band ends the bar
}

#endif
