#include <doctest/doctest.h>

#include "s/gui/drawer/image/Basic.h"
#include "s/image/filters/IFilter.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::drawer::image::win::Basic;
using support::DrawCanvas;

namespace {

// A picture whose every pixel has its own colour.
void paintPicture(DrawCanvas& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.set(x, y, rgb(100 + x, 150 + y, 7));
  }
}

// Turns every pixel into its photographic negative.
class Negative final : public s::image::filters::IFilter {
 public:
  const char16_t* className() const override { return u"tests_Negative"; }
  s::base::IObject* newInstance() const override { return new Negative; }
  s::image::win::BufferedImage* apply(const s::image::win::BufferedImage& source,
                                      s::image::win::BufferedImage* target) override {
    if (target == nullptr) target = s::thread::takeFromPool<s::image::win::BufferedImage>();
    target->create(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y) {
      for (int x = 0; x < source.width() * 4; ++x) {
        target->row(y)[x] = (x % 4 == 3) ? source.row(y)[x] : 255 - source.row(y)[x];
      }
    }
    return target;
  }
};

}  // namespace

TEST_CASE("a framed picture sits inside a black frame at the rectangle") {
  DrawCanvas picture(4, 4);
  paintPicture(picture);
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(12, 12);
  drawer->paint(canvas.surface(), nullptr, Rect{2, 2, 8, 8}, &picture.image(), false, true, false);
  for (int y = 2; y < 8; ++y) {
    for (int x = 2; x < 8; ++x) {
      CAPTURE(x);
      CAPTURE(y);
      const bool edge = x == 2 || x == 7 || y == 2 || y == 7;
      CHECK(canvas.at(x, y) == (edge ? rgb(0, 0, 0) : rgb(100 + x - 3, 150 + y - 3, 7)));
    }
  }
  CHECK(canvas.painted().size() == 36u);
}

TEST_CASE("an unframed picture is clipped to its size, or scaled to the rectangle with fit") {
  DrawCanvas picture(4, 4);
  paintPicture(picture);
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(12, 12);
  drawer->paint(canvas.surface(), nullptr, Rect{1, 1, 11, 11}, &picture.image(), false, false,
                false);
  CHECK(canvas.painted().size() == 16u);
  CHECK(canvas.at(1, 1) == rgb(100, 150, 7));

  canvas.clear();
  drawer->paint(canvas.surface(), nullptr, Rect{1, 1, 9, 9}, &picture.image(), true, false, false);
  CHECK(canvas.painted().size() == 64u);

  canvas.clear();
  drawer->paint(canvas.surface(), nullptr, Rect{1, 1, 9, 9}, nullptr, true, true, false);
  CHECK(canvas.untouched());
}

TEST_CASE("a picture with a filter is drawn as its filtered copy") {
  DrawCanvas picture(4, 4);
  paintPicture(picture);
  Negative negative;
  picture.image().addFilter(&negative);
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(12, 12);
  drawer->paint(canvas.surface(), nullptr, Rect{1, 1, 11, 11}, &picture.image(), false, false,
                false);
  CHECK(canvas.painted().size() == 16u);
  CHECK(canvas.at(1, 1) == rgb(155, 105, 248));
  CHECK(canvas.at(4, 4) == rgb(155 - 3, 105 - 3, 248));
  CHECK(picture.at(0, 0) == rgb(100, 150, 7));  // the picture itself is left as it was
  picture.image().clearFilters();
}

TEST_CASE("an alpha-aware drawer copies a picture with alpha into the window's image instead") {
  DrawCanvas picture(4, 4);
  paintPicture(picture);
  picture.image().setAlphaInUse(true);
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(12, 12);
  DrawCanvas window(12, 12);
  drawer->paint(canvas.surface(), &window.image(), Rect{3, 3, 7, 7}, &picture.image(), false, false,
                true);
  CHECK(canvas.untouched());
  CHECK(window.at(3, 3) == rgb(100, 150, 7));
  CHECK(window.painted().size() == 16u);

  // Without alpha in use the picture goes through the surface as usual.
  picture.image().setAlphaInUse(false);
  drawer->paint(canvas.surface(), &window.image(), Rect{3, 3, 7, 7}, &picture.image(), false, false,
                true);
  CHECK(canvas.at(3, 3) == rgb(100, 150, 7));
}
