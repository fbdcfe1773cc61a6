#include <doctest/doctest.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "s/base/Owned.h"
#include "s/gui/Box.h"
#include "s/gui/ContainerBase.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/border/UnderWindowMenu.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::gui::win::Box;
using s::image::win::BufferedImage;

namespace {

// 0x00RRGGBB as the picture stores it (blue, green, red, alpha in memory).
std::uint32_t pixelAt(const BufferedImage& image, int x, int y) {
  std::uint32_t value;
  std::memcpy(&value, image.row(y) + x * 4, 4);
  return value & 0x00FFFFFF;
}

constexpr std::uint32_t rgbPixel(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r << 16 | g << 8 | b;
}

// What a box paints at width x height, as a picture.
Owned<BufferedImage> painted(Box& box, int width, int height) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(width, height));
  s::gui::drawer::ImageSurface surface(*image);
  box.paintBackground(surface, width, height);
  return image;
}

// A container whose transparent children show a picture: each pixel's value tells where it is.
class PictureHolder final : public s::gui::ContainerBase {
 public:
  PictureHolder() : picture_(s::thread::obtain<BufferedImage>()) {
    REQUIRE(picture_->create(64, 64));
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        const std::uint32_t value = rgbPixel(x, y, 7);
        std::memcpy(picture_->row(y) + x * 4, &value, 4);
      }
    }
    setSize(64, 64);
  }
  ~PictureHolder() override { removeAllChildren(); }
  const char16_t* className() const override { return u"support_PictureHolder"; }
  s::base::IObject* newInstance() const override { return nullptr; }
  void release() override {}
  void reset() override { resetContainer(); }
  BufferedImage* parentBackgroundImage() const override { return picture_.get(); }

 private:
  Owned<BufferedImage> picture_;
};

}  // namespace

TEST_CASE("a box paints its colour and lets its border drawer draw over it") {
  Owned<Box> box = s::thread::obtain<Box>();
  box->setBackgroundRgb(10, 20, 30, false);
  auto line = s::gui::drawer::border::win::UnderWindowMenu::create();
  box->setBorderDrawer(line.detach(), true);
  CHECK(box->paintsThroughPicture());
  Owned<BufferedImage> image = painted(*box, 6, 4);
  for (int x = 0; x < 6; ++x) {
    CAPTURE(x);
    CHECK(pixelAt(*image, x, 0) == rgbPixel(172, 168, 153));
    CHECK(pixelAt(*image, x, 1) == rgbPixel(255, 255, 255));
    CHECK(pixelAt(*image, x, 2) == rgbPixel(10, 20, 30));
    CHECK(pixelAt(*image, x, 3) == rgbPixel(10, 20, 30));
  }
}

TEST_CASE("an owned border drawer goes back to its pool, a borrowed one stays with its owner") {
  using Line = s::gui::drawer::border::win::UnderWindowMenu;
  Owned<Box> box = s::thread::obtain<Box>();
  Owned<Line> borrowed = Line::create();
  box->setBorderDrawer(Line::create().detach(), true);
  const std::uint32_t freeWithOwned = s::thread::poolOf<Line>().freeCount();
  box->setBorderDrawer(borrowed.get(), false);
  CHECK(s::thread::poolOf<Line>().freeCount() == freeWithOwned + 1);
  box.reset();
  // The borrowed drawer is still ours to give back.
  CHECK(s::thread::poolOf<Line>().freeCount() == freeWithOwned + 1);
  CHECK(std::u16string_view(borrowed->className()) == u"s_gui_drawer_border_win_UnderWindowMenu");
}

TEST_CASE("a transparent box paints the first colour up the tree") {
  Owned<Box> outer = s::thread::obtain<Box>();
  outer->setBackgroundRgb(200, 100, 50, false);
  Owned<Box> middle = s::thread::obtain<Box>();
  Box* middleBox = middle.get();
  outer->addChild(middle.detach());
  Owned<Box> inner = s::thread::obtain<Box>();
  Box* innerBox = inner.get();
  middleBox->addChild(inner.detach());
  CHECK(innerBox->isTransparent());
  CHECK_FALSE(innerBox->paintsThroughPicture());
  CHECK(pixelAt(*painted(*innerBox, 2, 2), 1, 1) == rgbPixel(200, 100, 50));
  middleBox->setBackgroundRgb(1, 2, 3, false);
  CHECK(pixelAt(*painted(*innerBox, 2, 2), 0, 0) == rgbPixel(1, 2, 3));
  // Its own colour once it has one.
  innerBox->setBackgroundRgb(9, 8, 7, false);
  CHECK(pixelAt(*painted(*innerBox, 2, 2), 0, 0) == rgbPixel(9, 8, 7));
}

TEST_CASE("a transparent box over a picture shows the piece behind it until it moves") {
  PictureHolder holder;
  holder.setMargins(4, 0, 3, 0);
  Owned<Box> box = s::thread::obtain<Box>();
  Box* child = box.get();
  child->setFixedWidth(10, false);
  child->setFixedHeight(5, false);
  holder.addChild(box.detach());
  holder.relayout();
  REQUIRE(child->x() == 0);
  REQUIRE(child->paintsThroughPicture());
  // The piece starts at the margins: the child's position plus its offset.
  Owned<BufferedImage> first = painted(*child, 10, 5);
  CHECK(pixelAt(*first, 0, 0) == rgbPixel(4, 3, 7));
  CHECK(pixelAt(*first, 9, 4) == rgbPixel(13, 7, 7));

  child->move(20, 30);
  Owned<BufferedImage> moved = painted(*child, 10, 5);
  CHECK(pixelAt(*moved, 0, 0) == rgbPixel(24, 33, 7));

  // An opaque box paints its colour, not the picture.
  child->setBackgroundRgb(0, 0, 255, false);
  child->dropCachedBackground();
  CHECK(pixelAt(*painted(*child, 10, 5), 5, 2) == rgbPixel(0, 0, 255));
}
