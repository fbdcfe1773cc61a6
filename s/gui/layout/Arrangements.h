#pragma once

#include <cstdint>

namespace s::gui {
class IContainer;
}

namespace s::gui::layout {

// The four ways a container places its children inside its inner area. Each defers the
// children's native placement for the pass (unless the container already defers, when an
// outer pass will apply them) so that every native window is placed once, and leaves the
// content results in the container.
struct Arrangements {
  // Alignment codes: horizontal left, centre, right; vertical top, centre, bottom.
  static constexpr std::int32_t kStart = 0;
  static constexpr std::int32_t kCentre = 1;
  static constexpr std::int32_t kEnd = 2;

  // Top to bottom, every child as wide as the column allows within its limits; room beyond
  // the minimum heights goes to the children still below their preferred height.
  static void column(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                     std::int32_t gap);
  // The column's mirror image: left to right.
  static void row(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                  std::int32_t gap);
  // Left to right in lines that wrap at the inner width.
  static void flow(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                   std::int32_t horizontalGap, std::int32_t verticalGap);
  // Every child over the whole inner area, within its limits, at one aligned origin.
  static void pile(IContainer& container, std::int32_t horizontal, std::int32_t vertical);
};

}  // namespace s::gui::layout
