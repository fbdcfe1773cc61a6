#include "s/gui/drawer/statusbar/Basic.h"

#include <algorithm>

#include "s/system/os/StaticObj.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::statusbar::win {

namespace {

constexpr Colour kTopRows[5] = {rgb(149, 147, 133), rgb(191, 189, 176), rgb(215, 212, 197),
                                rgb(232, 229, 212), rgb(238, 235, 217)};
constexpr Colour kMiddle = rgb(236, 233, 216);
constexpr Colour kLowerMiddle = rgb(235, 232, 212);
constexpr Colour kBottomRows[6] = {rgb(234, 230, 211), rgb(231, 228, 209), rgb(227, 225, 205),
                                   rgb(221, 219, 199), rgb(217, 214, 192), rgb(223, 220, 202)};
// The top two rows' first seven pixels, mirrored at the right end.
constexpr Colour kCornerRow0[7] = {rgb(166, 164, 149), rgb(158, 155, 141), rgb(154, 151, 138),
                                   rgb(154, 151, 138), rgb(154, 151, 138), rgb(151, 149, 136),
                                   rgb(150, 147, 134)};
constexpr Colour kCornerRow1[7] = {rgb(227, 228, 223), rgb(222, 223, 218), rgb(219, 220, 217),
                                   rgb(219, 220, 217), rgb(219, 220, 217), rgb(217, 218, 215),
                                   rgb(216, 217, 214)};

// Rows [from, to) of the bar, kept inside it.
void band(ISurface& surface, std::int32_t w, std::int32_t h, std::int32_t from, std::int32_t to,
          Colour colour) {
  from = std::max(from, 0);
  to = std::min(to, h);
  if (from < to) surface.fill(0, from, w, to - from, colour);
}

void paintGradient(ISurface& surface, std::int32_t w, std::int32_t h) {
  for (std::int32_t row = 0; row < 5; ++row) band(surface, w, h, row, row + 1, kTopRows[row]);
  band(surface, w, h, 5, h - 9, kMiddle);
  band(surface, w, h, h - 9, h - 6, kLowerMiddle);
  for (std::int32_t i = 0; i < 6; ++i) band(surface, w, h, h - 6 + i, h - 5 + i, kBottomRows[i]);
  const std::int32_t columns = std::min<std::int32_t>(7, w);
  for (std::int32_t row = 0; row < std::min<std::int32_t>(2, h); ++row) {
    const Colour* corner = row == 0 ? kCornerRow0 : kCornerRow1;
    for (std::int32_t x = 0; x < columns; ++x) {
      surface.fill(x, row, 1, 1, corner[x]);
      surface.fill(w - 1 - x, row, 1, 1, corner[x]);
    }
  }
}

}  // namespace

Basic::Basic() : grip_(s::thread::obtain<BasicResizer>()) {}

s::base::Owned<Basic> Basic::create() { return s::thread::obtain<Basic>(); }

void Basic::reset() {
  sizeGrip_ = false;
  gradient_ = false;
  grip_ = s::thread::obtain<BasicResizer>();
}

void Basic::paint(ISurface& surface, const Rect& rect) {
  if (rect.isEmpty()) return;
  if (gradient_ && !s::system::os::win::StaticObj().isVistaOrLater) {
    paintGradient(surface, rect.width(), rect.height());
  }
  if (sizeGrip_) grip_->paint(surface, rect);
}

}  // namespace s::gui::drawer::statusbar::win
