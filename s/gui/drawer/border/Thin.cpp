#include "s/gui/drawer/border/Thin.h"

#include <algorithm>

#include "s/thread/Pool.h"

namespace s::gui::drawer::border::win {

namespace {

// Edge shades in percent of the colour: top, right, bottom, left; 0 means no edge.
constexpr std::int32_t kEdgeShades[4][4] = {
    {115, 70, 50, 105},  // raised
    {105, 90, 85, 100},  // soft
    {85, 100, 105, 90},  // sunken
    {105, 90, 0, 100},   // open at the bottom
};

// A raised frame softens its corners: the ends of its edges fade toward the neighbouring edge.
constexpr std::int32_t kRaisedTopRight = 95;
constexpr std::int32_t kRaisedBottomRight = 45;
constexpr std::int32_t kRaisedBottomLeft = 90;

}  // namespace

s::base::Owned<Thin> Thin::create() { return s::thread::obtain<Thin>(); }

Colour Thin::shade(Colour colour, std::int32_t percent) {
  auto channel = [percent](std::uint8_t value) {
    return static_cast<std::uint8_t>(std::min<std::int32_t>(255, value * percent / 100));
  };
  return rgb(channel(redOf(colour)), channel(greenOf(colour)), channel(blueOf(colour)));
}

void Thin::paint(ISurface& surface, const Rect& rect, std::int32_t shape, std::int32_t cornerKind,
                 Colour colour) {
  if (rect.isEmpty() || shape < 0 || shape > 3 || cornerKind < 0 || cornerKind > 2) return;
  auto shadeOf = [this, colour](std::int32_t percent) {
    return shading_ ? shade(colour, percent) : colour;
  };
  const std::int32_t* shades = kEdgeShades[shape];
  const bool hasBottom = shades[2] != 0;
  const std::int32_t l = rect.left;
  const std::int32_t t = rect.top;
  const std::int32_t r = rect.right;
  const std::int32_t b = rect.bottom;
  const std::int32_t cut = cornerKind;
  const std::int32_t across = rect.width() - 2 * cut;
  const std::int32_t down = rect.height() - 2 * cut;

  surface.fill(l + cut, t, across, 1, shadeOf(shades[0]));
  surface.fill(r - 1, t + cut, 1, down, shadeOf(shades[1]));
  if (hasBottom) surface.fill(l + cut, b - 1, across, 1, shadeOf(shades[2]));
  surface.fill(l, t + cut, 1, down, shadeOf(shades[3]));

  if (shape == 0 && across > 0 && down > 0) {
    const Colour topRight = shadeOf(kRaisedTopRight);
    const Colour bottomRight = shadeOf(kRaisedBottomRight);
    const Colour bottomLeft = shadeOf(kRaisedBottomLeft);
    surface.fill(r - 1 - cut, t, 1, 1, topRight);
    surface.fill(r - 1, t + cut, 1, 1, topRight);
    surface.fill(r - 1, b - 1 - cut, 1, 1, bottomRight);
    surface.fill(r - 1 - cut, b - 1, 1, 1, bottomRight);
    surface.fill(l + cut, b - 1, 1, 1, bottomLeft);
    surface.fill(l, b - 1 - cut, 1, 1, bottomLeft);
  }
  if (cornerKind == 2 && rect.width() >= 3 && rect.height() >= 3) {
    surface.fill(l + 1, t + 1, 1, 1, shadeOf(shades[0]));
    surface.fill(r - 2, t + 1, 1, 1, shadeOf(shades[1]));
    if (hasBottom) {
      surface.fill(r - 2, b - 2, 1, 1, shadeOf(shades[2]));
      surface.fill(l + 1, b - 2, 1, 1, shadeOf(shades[3]));
    }
  }
}

}  // namespace s::gui::drawer::border::win
