#include <doctest/doctest.h>

#include <climits>
#include <cstdint>

#include "s/gui/SliderScale.h"

using s::gui::sliderValueAt;

TEST_CASE("the slider takes the value whose thumb is centred under the pointer") {
  // A 106-pixel groove with a 6-pixel thumb travels 100 pixels: one value per pixel.
  CHECK(sliderValueAt(3, 106, 6, 0, 100) == 0);
  CHECK(sliderValueAt(53, 106, 6, 0, 100) == 50);
  CHECK(sliderValueAt(103, 106, 6, 0, 100) == 100);
  // Beyond either end the value stays in the range.
  CHECK(sliderValueAt(-40, 106, 6, 0, 100) == 0);
  CHECK(sliderValueAt(500, 106, 6, 0, 100) == 100);
  // Coarse ranges round to the nearest value: 10 pixels per value here.
  CHECK(sliderValueAt(3 + 14, 106, 6, 0, 10) == 1);
  CHECK(sliderValueAt(3 + 15, 106, 6, 0, 10) == 2);
  CHECK(sliderValueAt(53, 106, 6, -5, 5) == 0);
}

TEST_CASE("a slider with no room or no range stays at its minimum") {
  CHECK(sliderValueAt(10, 6, 6, 0, 100) == 0);
  CHECK(sliderValueAt(10, 4, 6, 7, 100) == 7);
  CHECK(sliderValueAt(10, 106, 6, 7, 7) == 7);
  CHECK(sliderValueAt(10, 106, 6, 9, 3) == 9);
  // The widest range does not overflow.
  CHECK(sliderValueAt(103, 106, 6, INT32_MIN, INT32_MAX) == INT32_MAX);
  CHECK(sliderValueAt(3, 106, 6, INT32_MIN, INT32_MAX) == INT32_MIN);
}
