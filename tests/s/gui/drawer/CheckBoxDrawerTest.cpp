#include <doctest/doctest.h>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/checkbox/Thin.h"
#include "s/gui/drawer/radiobutton/Thin.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::win::FontSetting;
using support::DrawCanvas;

namespace {
constexpr Colour kFrame = rgb(17, 17, 17);
constexpr Colour kText = rgb(200, 200, 200);
constexpr Colour kDisabled = rgb(86, 86, 86);
}  // namespace

TEST_CASE("a check box of size 13 is a framed white box with its caption at left + 15") {
  s::base::Owned<s::gui::drawer::checkbox::win::Thin> box =
      s::gui::drawer::checkbox::win::Thin::create(kFrame, kText);
  box->setDisabledCaptionColour(86, 86, 86);
  DrawCanvas canvas(40, 20);
  box->paint(canvas.surface(), Rect{4, 2, 40, 20}, 13, u"Keep", nullptr, false, true, false);
  for (int y = 2; y < 15; ++y) {
    for (int x = 4; x < 17; ++x) {
      CAPTURE(x);
      CAPTURE(y);
      const bool frame = x < 6 || x >= 15 || y < 4 || y >= 13;
      CHECK(canvas.at(x, y) == (frame ? kFrame : rgb(255, 255, 255)));
    }
  }
  const auto& calls = canvas.surface().textCalls();
  REQUIRE(calls.size() == 1);
  CHECK(calls[0].rect == Rect{19, 2, 40, 20});
  CHECK(calls[0].colour == kText);

  // Ticked: the tick's 9 x 9 cell is the box's inside; disabled: the caption greys.
  canvas.clear();
  canvas.surface().clearTextCalls();
  box->paint(canvas.surface(), Rect{4, 2, 40, 20}, 13, u"Keep", nullptr, true, false, false);
  CHECK(canvas.at(7, 7) == rgb(0, 0, 0));
  CHECK(canvas.at(13, 5) == rgb(0, 0, 0));
  CHECK(canvas.at(7, 6) == rgb(255, 255, 255));
  REQUIRE(canvas.surface().textCalls().size() == 1);
  CHECK(canvas.surface().textCalls()[0].colour == kDisabled);
}

TEST_CASE("a control's own caption colour wins over the check box's") {
  s::base::Owned<s::gui::drawer::checkbox::win::Thin> box =
      s::gui::drawer::checkbox::win::Thin::create(kFrame, kText);
  FontSetting own;
  own.setTextColour(9, 9, 9);
  own.setFont(reinterpret_cast<void*>(0x42));
  DrawCanvas canvas(40, 20);
  box->paint(canvas.surface(), Rect{0, 0, 40, 20}, 13, u"Keep", &own, false, true, true);
  REQUIRE(canvas.surface().textCalls().size() == 1);
  CHECK(canvas.surface().textCalls()[0].colour == rgb(9, 9, 9));
  CHECK(canvas.surface().textCalls()[0].font == reinterpret_cast<void*>(0x42));
}

TEST_CASE("a caption 16 high widens a check box's and a radio button's measure by 18") {
  DrawCanvas canvas(4, 4);
  canvas.surface().setTextCell(7, 16);
  s::base::Owned<s::gui::drawer::checkbox::win::Thin> box =
      s::gui::drawer::checkbox::win::Thin::create(kFrame, kText);
  auto size = box->measure(canvas.surface(), u"Keep", nullptr);
  CHECK(size.preferredWidth == 28 + 18);
  CHECK(size.minimumWidth == 28 + 18);
  CHECK(size.preferredHeight == 16);

  s::base::Owned<s::gui::drawer::radiobutton::win::Thin> radio =
      s::gui::drawer::radiobutton::win::Thin::create(kFrame, kText);
  size = radio->measure(canvas.surface(), u"Keep", nullptr);
  CHECK(size.preferredWidth == 28 + 18);
}

TEST_CASE("a radio mark is a round ring with a dot when chosen, its caption beside it") {
  s::base::Owned<s::gui::drawer::radiobutton::win::Thin> radio =
      s::gui::drawer::radiobutton::win::Thin::create(kFrame, kText);
  DrawCanvas canvas(40, 20);
  radio->paint(canvas.surface(), Rect{0, 0, 40, 20}, 12, u"One", nullptr, true, true, false);
  CHECK(canvas.at(0, 0) == DrawCanvas::kBackground);  // round, not square
  CHECK(canvas.at(11, 11) == DrawCanvas::kBackground);
  CHECK(canvas.at(0, 6) == kFrame);
  CHECK(canvas.at(6, 0) == kFrame);
  CHECK(canvas.at(3, 3) == rgb(255, 255, 255));
  CHECK(canvas.at(5, 5) == rgb(0, 0, 0));  // the dot
  REQUIRE(canvas.surface().textCalls().size() == 1);
  CHECK(canvas.surface().textCalls()[0].rect.left == 14);
  // The ring is symmetric.
  for (const auto& pixel : canvas.painted()) {
    if (pixel.first >= 12) continue;
    CHECK(canvas.at(11 - pixel.first, pixel.second) == canvas.at(pixel.first, pixel.second));
    CHECK(canvas.at(pixel.first, 11 - pixel.second) == canvas.at(pixel.first, pixel.second));
  }
}
