#include "s/gui/drawer/window/Thin.h"

#include "s/gui/drawer/ClipSurface.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer::window::win {

namespace {

// A run of pixels on one row. Negative x counts from the right edge (w + x), negative y from
// the bottom edge (h + y).
struct Run {
  std::int32_t x;
  std::int32_t y;
  std::int32_t length;
};

constexpr Run kSmallTop[] = {{0, 1, 2}, {-2, 1, 2}};
constexpr Run kSmallBottom[] = {{0, -2, 2}, {-2, -2, 2}};
constexpr Run kLargeTop[] = {{0, 1, 5},  {0, 2, 3},  {0, 3, 2},  {0, 4, 2},  {0, 5, 1},
                             {-5, 1, 5}, {-3, 2, 3}, {-2, 3, 2}, {-2, 4, 2}, {-1, 5, 1}};
// The right-hand runs at h - 4 and h - 3 start one pixel further in than a mirror image would.
constexpr Run kLargeBottom[] = {{0, -6, 1},  {0, -5, 2},  {0, -4, 2},  {0, -3, 3},  {0, -2, 5},
                                {-1, -6, 1}, {-2, -5, 2}, {-3, -4, 2}, {-4, -3, 3}, {-5, -2, 5}};

template <std::size_t N>
void paintRuns(ISurface& surface, const Run (&runs)[N], std::int32_t w, std::int32_t h,
               Colour colour) {
  for (const Run& run : runs) {
    surface.fill(run.x < 0 ? w + run.x : run.x, run.y < 0 ? h + run.y : run.y, run.length, 1,
                 colour);
  }
}

}  // namespace

s::base::Owned<Thin> Thin::create(Colour border, Colour face) {
  s::base::Owned<Thin> drawer = s::thread::obtain<Thin>();
  drawer->setBorderColour(redOf(border), greenOf(border), blueOf(border));
  drawer->setFaceColour(redOf(face), greenOf(face), blueOf(face));
  drawer->setTopCornerStyle(0);
  drawer->setBottomCornerStyle(0);
  return drawer;
}

void Thin::reset() {
  face_ = kWhite;
  border_ = rgb(120, 120, 120);
  topStyle_ = 0;
  bottomStyle_ = 0;
  transparent_ = true;
}

void Thin::setFaceColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  face_ = rgb(red, green, blue);
  transparent_ = false;
}

void Thin::paint(ISurface& surface, const Rect& rect) {
  if (rect.isEmpty()) return;
  const std::int32_t w = rect.width();
  const std::int32_t h = rect.height();
  if (!transparent_) surface.fill(0, 0, w, h, face_);
  surface.fill(0, 0, w, 1, border_);
  surface.fill(w - 1, 0, 1, h, border_);
  surface.fill(0, h - 1, w, 1, border_);
  surface.fill(0, 0, 1, h - 1, border_);
  // Corner runs are longer than a very small window: keep them inside it.
  ClipSurface inside(surface, Rect{0, 0, w, h});
  // The small rounding wins: with either side at 1 only the sides at 1 are rounded.
  if (topStyle_ == 1 || bottomStyle_ == 1) {
    if (topStyle_ == 1) paintRuns(inside, kSmallTop, w, h, border_);
    if (bottomStyle_ == 1) paintRuns(inside, kSmallBottom, w, h, border_);
  } else if (topStyle_ == 2 || bottomStyle_ == 2) {
    if (topStyle_ == 2) paintRuns(inside, kLargeTop, w, h, border_);
    if (bottomStyle_ == 2) paintRuns(inside, kLargeBottom, w, h, border_);
  }
}

Region Thin::makeRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) const {
  Region region;
  region.bounds = Rect{left, top, right + 1, bottom + 1};
  if (topStyle_ == 0 && bottomStyle_ == 0) {
    region.kind = Region::Kind::kRectangle;
    return region;
  }
  std::int32_t rounding;
  if (topStyle_ == 1 || bottomStyle_ == 1) {
    rounding = 1;
    region.ellipse = 5;
  } else if (topStyle_ == 2 || bottomStyle_ == 2) {
    rounding = 2;
    region.ellipse = 11;
  } else {
    return region;
  }
  region.kind = Region::Kind::kRounded;
  if (topStyle_ == rounding && bottomStyle_ == rounding) return region;
  region.hasExtra = true;
  if (topStyle_ == rounding) {
    region.extra = Rect{left, bottom - (rounding == 1 ? 3 : 5), right + 1, bottom + 1};
  } else {
    region.extra = Rect{left, top, right + 1, top + (rounding == 1 ? 4 : 6)};
  }
  return region;
}

}  // namespace s::gui::drawer::window::win
