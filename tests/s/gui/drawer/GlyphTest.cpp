#include <doctest/doctest.h>

#include <string>

#include "s/gui/drawer/Glyphs.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::drawGlyph;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using support::addBlock;
using support::DrawCanvas;
using support::PixelSet;

namespace {

constexpr Colour kInk = rgb(17, 17, 17);

PixelSet dots(std::initializer_list<support::Pixel> corners) {
  PixelSet pixels;
  for (const auto& corner : corners) addBlock(pixels, corner.first, corner.second, 2, 2);
  return pixels;
}

std::string narrow(const char16_t* text) {
  std::string out;
  for (; *text != 0; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
  return out;
}

}  // namespace

TEST_CASE("the close cross in a 50 x 14 close box is two strokes of nine dots") {
  DrawCanvas canvas(50, 14);
  REQUIRE(drawGlyph(canvas.surface(), Rect{1, 1, 49, 13}, u"#X", kInk));
  PixelSet expected;
  for (int i = 0; i < 9; ++i) {
    addBlock(expected, 20 + i, 2 + i, 2, 2);
    addBlock(expected, 28 - i, 2 + i, 2, 2);
  }
  CHECK(canvas.painted() == expected);
  CHECK(canvas.at(20, 2) == kInk);
  CHECK(canvas.at(29, 11) == kInk);
}

TEST_CASE("the tick is seven three-pixel columns from (x0, y0 + 2) rising to (x0 + 6, y0)") {
  DrawCanvas canvas(14, 14);
  REQUIRE(drawGlyph(canvas.surface(), Rect{2, 2, 11, 11}, u"#Check", kInk));
  PixelSet expected;
  const int tops[7] = {5, 6, 7, 6, 5, 4, 3};
  for (int i = 0; i < 7; ++i) addBlock(expected, 3 + i, tops[i], 1, 3);
  CHECK(canvas.painted() == expected);

  // A larger cell keeps the 9 x 9 mark centred.
  canvas.clear();
  REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 13, 13}, u"#Check", kInk));
  CHECK(canvas.at(3, 5) == kInk);
  CHECK(canvas.at(9, 3) == kInk);
}

TEST_CASE("window glyphs sit where their formulas put them") {
  SUBCASE("minimise bar at four fifths of the height") {
    DrawCanvas canvas(20, 12);
    REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 20, 12}, u"#_", kInk));
    PixelSet expected;
    addBlock(expected, 1, 9, 18, 2);
    CHECK(canvas.painted() == expected);
  }
  SUBCASE("the dot at the bar's row, three pixels from the right") {
    DrawCanvas canvas(20, 12);
    REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 20, 12}, u"#.", kInk));
    CHECK(canvas.painted() == dots({{17, 9}}));
  }
  SUBCASE("the maximise box has a three-pixel top edge") {
    DrawCanvas canvas(20, 12);
    REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 20, 12}, u"#\u25A1", kInk));
    PixelSet expected;
    addBlock(expected, 5, 1, 10, 3);
    addBlock(expected, 14, 1, 1, 10);
    addBlock(expected, 5, 10, 10, 1);
    addBlock(expected, 5, 1, 1, 10);
    CHECK(canvas.painted() == expected);
  }
  SUBCASE("the size grip's dots end at right and bottom") {
    DrawCanvas canvas(14, 14);
    REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 10, 10}, u"#Resizer", kInk));
    CHECK(canvas.painted() == dots({{10, 2}, {10, 6}, {6, 6}, {10, 10}, {6, 10}, {2, 10}}));
  }
}

TEST_CASE("names that are not glyphs draw nothing and answer false") {
  const char16_t* const names[] = {
      u"#check",        u"#",      u"Close", u"", u"#x", u"#X ", u"X", u"#Unknown", u"#Color-12345",
      u"#Color-12345g", u"#color-"};
  for (const char16_t* name : names) {
    CAPTURE(narrow(name));
    DrawCanvas canvas(20, 20);
    CHECK_FALSE(drawGlyph(canvas.surface(), Rect{0, 0, 20, 20}, name, kInk));
    CHECK(canvas.untouched());
  }
  DrawCanvas canvas(20, 20);
  CHECK_FALSE(drawGlyph(canvas.surface(), Rect{0, 0, 20, 20}, nullptr, kInk));
}

TEST_CASE("every other glyph is one colour inside the area inset by a pixel") {
  const char16_t* const names[] = {
      u"#Transform", u"#\u2199",     u"#Play",        u"#Pause",    u"#Stop",      u"#Speaker",
      u"#Mute",      u"#Right",      u"#RightRight",  u"#Left",     u"#LeftLeft",  u"#Down",
      u"#Up",        u"#ThumbLineV", u"#ThumbLineH",  u"#Minus",    u"#Plus",      u"#PlusMinus",
      u"#Next",      u"#Prev",       u"#TreeClosed",  u"#TreeOpen", u"#TurnRight", u"#TurnLeft",
      u"#OnTop",     u"#FitWindow",  u"#FitToWindow", u"#Palm",     u"#KeepRatio", u"#Color-"};
  for (const char16_t* name : names) {
    CAPTURE(narrow(name));
    for (const Rect& area : {Rect{3, 2, 17, 16}, Rect{0, 0, 25, 12}, Rect{4, 4, 9, 9}}) {
      DrawCanvas canvas(30, 20);
      CHECK(drawGlyph(canvas.surface(), area, name, kInk));
      const PixelSet painted = canvas.painted();
      CHECK_FALSE(painted.empty());
      for (const auto& pixel : painted) {
        CAPTURE(pixel.first);
        CAPTURE(pixel.second);
        CHECK(canvas.at(pixel.first, pixel.second) == kInk);
        CHECK(pixel.first >= area.left + 1);
        CHECK(pixel.first < area.right - 1);
        CHECK(pixel.second >= area.top + 1);
        CHECK(pixel.second < area.bottom - 1);
      }
    }
  }
}

TEST_CASE("symmetric glyphs are mirror images about the centre of their area") {
  const char16_t* const names[] = {u"#X",        u"#Pause",      u"#Stop",      u"#Minus",
                                   u"#Plus",     u"#PlusMinus",  u"#Up",        u"#Down",
                                   u"#TreeOpen", u"#TreeClosed", u"#FitWindow", u"#FitToWindow",
                                   u"#OnTop",    u"#Play",       u"#Right",     u"#Left"};
  for (const char16_t* name : names) {
    CAPTURE(narrow(name));
    // Long areas too: the square sits in the middle of the other direction. Only an even inner
    // size has an exact middle.
    for (const Rect& area : {Rect{0, 0, 16, 16}, Rect{0, 0, 23, 16}, Rect{0, 0, 16, 23}}) {
      // In a tall area the cross's first stroke, bounded by x alone, is one dot longer.
      if (narrow(name) == "#X" && area.bottom > area.right) continue;
      DrawCanvas canvas(area.right, area.bottom);
      REQUIRE(drawGlyph(canvas.surface(), area, name, kInk));
      const PixelSet painted = canvas.painted();
      const bool upDown =
          narrow(name) == "#Play" || narrow(name) == "#Right" || narrow(name) == "#Left";
      // Arrows across mirror top to bottom; everything else left to right.
      const int inner = upDown ? area.bottom - 2 : area.right - 2;
      if (inner % 2 != 0) continue;
      for (const auto& pixel : painted) {
        const support::Pixel mirrored =
            upDown ? support::Pixel{pixel.first, area.bottom - 1 - pixel.second}
                   : support::Pixel{area.right - 1 - pixel.first, pixel.second};
        CAPTURE(pixel.first);
        CAPTURE(pixel.second);
        CHECK(painted.count(mirrored) == 1);
      }
    }
  }
}

TEST_CASE("a colour swatch fills its framed square with the named colour") {
  DrawCanvas canvas(16, 16);
  REQUIRE(drawGlyph(canvas.surface(), Rect{0, 0, 16, 16}, u"#Color-Ff8000", kInk));
  CHECK(canvas.at(1, 1) == kInk);
  CHECK(canvas.at(14, 14) == kInk);
  CHECK(canvas.at(7, 7) == rgb(255, 128, 0));
  CHECK(canvas.at(0, 0) == DrawCanvas::kBackground);
}
