#include <doctest/doctest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "s/base/Owned.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/TextFormat.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/border/UnderWindowMenu.h"
#include "s/gui/drawer/button/Thin.h"
#include "s/gui/drawer/checkbox/Thin.h"
#include "s/gui/drawer/statusbar/Basic.h"
#include "s/gui/drawer/statusbar/BasicResizer.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/drawer/win/NativeRegion.h"
#include "s/gui/drawer/window/Thin.h"
#include "s/gui/win/MemDC.h"
#include "s/image/BufferedImage.h"
#include "s/system/os/StaticObj.h"
#include "s/thread/Pool.h"
#include "support/win/GuiObjectCount.h"

using namespace s::gui::drawer;
using s::base::Owned;
using s::image::win::BufferedImage;

namespace {

constexpr std::uint32_t kBackground = 0x00010203;

std::uint32_t colourAt(const BufferedImage& image, int x, int y) {
  std::uint32_t value;
  std::memcpy(&value, image.row(y) + x * 4, 4);
  return value & 0x00FFFFFF;  // GDI's alpha byte is its own business
}

Owned<BufferedImage> backgroundImage(int w, int h) {
  Owned<BufferedImage> image = s::thread::obtain<BufferedImage>();
  REQUIRE(image->create(w, h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) std::memcpy(image->row(y) + x * 4, &kBackground, 4);
  }
  return image;
}

using Paint = std::function<void(ISurface&)>;

// Paints once through real GDI into a memory context over one image and once into another
// image directly; every pixel must agree. Answers how many pixels were painted.
int checkSamePixels(int w, int h, const Paint& paint) {
  Owned<BufferedImage> native = backgroundImage(w, h);
  Owned<BufferedImage> host = backgroundImage(w, h);
  {
    Owned<s::gui::win::MemDC> memory(s::gui::win::MemDC::create(nullptr, native.get(), false));
    REQUIRE(memory->dc() != nullptr);
    win::DcSurface surface(memory->dc());
    paint(surface);
    GdiFlush();
  }
  ImageSurface surface(*host);
  paint(surface);
  int painted = 0;
  int differing = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (colourAt(*host, x, y) != kBackground) ++painted;
      if (colourAt(*native, x, y) != colourAt(*host, x, y)) {
        if (differing++ < 5) {
          CAPTURE(x);
          CAPTURE(y);
          CHECK(colourAt(*native, x, y) == colourAt(*host, x, y));
        }
      }
    }
  }
  CHECK(differing == 0);
  return painted;
}

}  // namespace

TEST_CASE("frames painted through GDI read back the same pixels as on the image surface") {
  auto window = window::win::Thin::create(rgb(17, 17, 17), rgb(116, 116, 116));
  for (int top = 0; top < 3; ++top) {
    for (int bottom = 0; bottom < 3; ++bottom) {
      CAPTURE(top);
      CAPTURE(bottom);
      window->setTopCornerStyle(top);
      window->setBottomCornerStyle(bottom);
      CHECK(checkSamePixels(40, 30, [&](ISurface& s) {
              window->paint(s, Rect{0, 0, 40, 30});
            }) == 40 * 30);
    }
  }

  auto bar = statusbar::win::Basic::create();
  bar->setGradient(true);
  bar->setSizeGrip(true);
  const int barPixels = checkSamePixels(60, 20, [&](ISurface& s) {
    bar->paint(s, Rect{0, 0, 60, 20});
  });
  // Under Wine set to an XP-era version the gradient covers the whole bar.
  if (!s::system::os::win::StaticObj().isVistaOrLater) CHECK(barPixels == 60 * 20);

  auto grip = statusbar::win::BasicResizer::create();
  CHECK(checkSamePixels(16, 16, [&](ISurface& s) { grip->paint(s, Rect{0, 0, 16, 16}); }) > 0);

  auto line = border::win::UnderWindowMenu::create();
  CHECK(checkSamePixels(30, 4, [&](ISurface& s) {
          line->paint(s, Rect{0, 0, 30, 4}, 0, 0, 0);
        }) == 60);

  auto border = border::win::Thin::create();
  for (int shape = 0; shape < 4; ++shape) {
    for (int kind = 0; kind < 3; ++kind) {
      CAPTURE(shape);
      CAPTURE(kind);
      CHECK(checkSamePixels(20, 12, [&](ISurface& s) {
              border->paint(s, Rect{2, 1, 18, 11}, shape, kind, rgb(230, 100, 17));
            }) > 0);
    }
  }

  auto checkBox = checkbox::win::Thin::create(rgb(17, 17, 17), rgb(0, 0, 0));
  CHECK(checkSamePixels(16, 16, [&](ISurface& s) {
          checkBox->paint(s, Rect{1, 1, 16, 16}, 13, nullptr, nullptr, true, true, false);
        }) == 13 * 13);

  auto button = button::win::Thin::create(rgb(17, 17, 17));
  s::gui::win::FontSetting font;
  CHECK(checkSamePixels(50, 14, [&](ISurface& s) {
          button->paint(s, Rect{0, 0, 50, 14}, 0, u"#X", false, font, true, false, false);
        }) > 0);
}

TEST_CASE("a window region rounded at the top keeps its bottom corners and loses the top ones") {
  const DWORD before = support::settledGdiObjectCount();
  auto window = window::win::Thin::create(rgb(17, 17, 17), rgb(116, 116, 116));
  struct Case {
    int top, bottom;
    bool topCorners, bottomCorners;
  };
  const Case cases[] = {{1, 0, false, true},
                        {0, 1, true, false},
                        {2, 0, false, true},
                        {0, 0, true, true},
                        {1, 1, false, false}};
  for (const Case& c : cases) {
    CAPTURE(c.top);
    CAPTURE(c.bottom);
    window->setTopCornerStyle(c.top);
    window->setBottomCornerStyle(c.bottom);
    win::NativeRegion region = win::NativeRegion::build(window->makeRegion(0, 0, 99, 59));
    REQUIRE(region);
    CHECK((PtInRegion(region.get(), 0, 0) != FALSE) == c.topCorners);
    CHECK((PtInRegion(region.get(), 99, 0) != FALSE) == c.topCorners);
    CHECK((PtInRegion(region.get(), 0, 59) != FALSE) == c.bottomCorners);
    CHECK((PtInRegion(region.get(), 99, 59) != FALSE) == c.bottomCorners);
    CHECK(PtInRegion(region.get(), 50, 30) != FALSE);
    CHECK(PtInRegion(region.get(), 50, 0) != FALSE);
    CHECK(PtInRegion(region.get(), 100, 30) == FALSE);
  }
  // Styles outside 0 to 2 describe no region at all.
  window->setTopCornerStyle(3);
  window->setBottomCornerStyle(0);
  CHECK_FALSE(win::NativeRegion::build(window->makeRegion(0, 0, 99, 59)));

  // Handing a region on leaves it to the new owner.
  window->setTopCornerStyle(0);
  HRGN handed = win::NativeRegion::build(window->makeRegion(0, 0, 9, 9)).detach();
  CHECK(GetObjectType(handed) == OBJ_REGION);
  DeleteObject(handed);
  CHECK(support::gdiObjectCount() == before);
}

TEST_CASE("the device-context surface draws and measures text and leaves the context as it was") {
  Owned<BufferedImage> image = backgroundImage(80, 30);
  Owned<s::gui::win::MemDC> memory(s::gui::win::MemDC::create(nullptr, image.get(), false));
  REQUIRE(memory->dc() != nullptr);
  HDC dc = memory->dc();
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, RGB(1, 1, 1));
  SetBkColor(dc, RGB(9, 9, 9));
  HFONT big =
      CreateFontW(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
  REQUIRE(big != nullptr);
  HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
  {
    win::DcSurface surface(dc);
    const std::uint32_t plain = format::kSingleLine | format::kNoPrefix;
    const TextSize own = surface.measureText(u"Wide", plain, nullptr, 0);
    const TextSize large = surface.measureText(u"Wide", plain, big, 0);
    CHECK(own.width > 0);
    CHECK(large.height > own.height);
    CHECK(surface.measureText(u"one two three", format::kWordBreak, nullptr, 1).width <
          surface.measureText(u"one two three", plain, nullptr, 0).width);

    surface.fillRect(Rect{0, 0, 80, 30}, rgb(255, 255, 255));
    surface.drawText(Rect{0, 0, 80, 30}, u"Wide", rgb(200, 0, 0), plain, big);
    GdiFlush();
    int red = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 80; ++x) red += colourAt(*image, x, y) == 0x00C80000 ? 1 : 0;
    }
    CHECK(red > 20);
    CHECK(colourAt(*image, 79, 29) == 0x00FFFFFF);  // transparent text background
    CHECK(GetBkMode(dc) == OPAQUE);
    CHECK(GetTextColor(dc) == RGB(1, 1, 1));
    CHECK(GetCurrentObject(dc, OBJ_FONT) == fontBefore);
  }
  CHECK(GetBkColor(dc) == RGB(9, 9, 9));
  DeleteObject(big);
}
