#include <doctest/doctest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>

#include "s/gui/FontSize.h"

using s::gui::fontHeightOfTenths;
using s::gui::FontSize;
using s::gui::fontSizeOfCode;

TEST_CASE("size codes give the weight and point size of their band") {
  struct Case {
    std::int32_t code;
    std::int32_t weight;
    std::int32_t points;
  };
  const Case cases[] = {
      {5, 400, 15},
      {0, 400, 10},
      {99, 400, 109},
      {112, 700, 26},
      {100, 700, 14},
      {999, 700, 113},
      {100001, 400, 8},
      // Negative codes keep their sign in the arithmetic: sizes below the band's base, as the
      // small captions of a dialog use them.
      {-1, 400, 9},
      {-9, 400, 1},
      {-103, 700, 11},
      {-104, 700, 10},
      {-113, 700, 1},
  };
  for (const Case& c : cases) {
    CAPTURE(c.code);
    FontSize size;
    REQUIRE(fontSizeOfCode(c.code, &size));
    CHECK(size.weight == c.weight);
    CHECK(size.points == c.points);
  }
}

TEST_CASE("codes outside the bands, and sizes under a point, leave the font alone") {
  for (const std::int32_t code : {5000, 1000, 100000, 100002, -1000, -100001, -10, -50, -99, -114,
                                  -150, -199, INT32_MIN, INT32_MAX}) {
    CAPTURE(code);
    FontSize size{123, 45};
    CHECK_FALSE(fontSizeOfCode(code, &size));
    CHECK(size.weight == 123);
    CHECK(size.points == 45);
  }
}

TEST_CASE("point sizes become negative character heights rounded to the nearest pixel") {
  CHECK(fontHeightOfTenths(80, 96) == -11);   // 10.67
  CHECK(fontHeightOfTenths(150, 96) == -20);  // exactly 20
  CHECK(fontHeightOfTenths(260, 96) == -35);  // 34.67
  CHECK(fontHeightOfTenths(90, 96) == -12);   // 12.0
  CHECK(fontHeightOfTenths(75, 96) == -10);   // 10.0
  CHECK(fontHeightOfTenths(105, 96) == -14);  // 14.0
  CHECK(fontHeightOfTenths(115, 96) == -15);  // 15.33
  CHECK(fontHeightOfTenths(80, 120) == -13);  // 13.33
  CHECK(fontHeightOfTenths(0, 96) == 0);
}
