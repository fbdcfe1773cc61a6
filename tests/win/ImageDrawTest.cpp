#include <doctest/doctest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "s/base/Owned.h"
#include "s/gui/win/MemDC.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

using s::base::Owned;
using s::image::win::BufferedImage;

namespace {

std::uint32_t colourAt(const BufferedImage& image, int r, int c) {
  std::uint32_t value;
  std::memcpy(&value, image.row(r) + c * 4, 4);
  return value & 0x00FFFFFF;  // the blit's treatment of the alpha byte is not ours to test
}

}  // namespace

TEST_CASE("a buffered image drawn into a memory context reads back the same pixels") {
  Owned<BufferedImage> picture = s::thread::obtain<BufferedImage>();
  REQUIRE(picture->create(4, 3));
  REQUIRE(picture->surfaceHandle() != nullptr);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      const std::uint32_t value = 0xFF000000u | (r * 60 + 10) << 16 | (c * 50 + 5) << 8 | 77;
      std::memcpy(picture->row(r) + c * 4, &value, 4);
    }
  }
  BufferedImage* canvas = s::thread::takeFromPool<BufferedImage>();
  REQUIRE(canvas->create(6, 5));
  Owned<s::gui::win::MemDC> memory(s::gui::win::MemDC::create(nullptr, canvas, true));
  REQUIRE(memory->dc() != nullptr);

  // Asked for more than the picture has: clipped to 4 x 3.
  picture->drawTo(memory->dc(), 1, 2, 10, 10, false);
  GdiFlush();
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 6; ++c) {
      CAPTURE(r);
      CAPTURE(c);
      const bool inside = r >= 2 && c >= 1 && c < 5;
      CHECK(colourAt(*canvas, r, c) == (inside ? colourAt(*picture, r - 2, c - 1) : 0u));
    }
  }

  // Fitted: the scaled copy (2 x 1) is what lands.
  picture->drawTo(memory->dc(), 0, 0, 2, 1, true);
  GdiFlush();
  REQUIRE(picture->scaledCopy() != nullptr);
  CHECK(colourAt(*canvas, 0, 0) == colourAt(*picture->scaledCopy(), 0, 0));
  CHECK(colourAt(*canvas, 0, 1) == colourAt(*picture->scaledCopy(), 0, 1));
}

TEST_CASE("releasing a memory context gives back an owned image and keeps a borrowed one") {
  Owned<BufferedImage> borrowed = s::thread::obtain<BufferedImage>();
  REQUIRE(borrowed->create(2, 2));
  {
    Owned<s::gui::win::MemDC> memory(s::gui::win::MemDC::create(nullptr, borrowed.get(), false));
    REQUIRE(memory->dc() != nullptr);
    // Drawing through the context reaches the image's pixels.
    RECT all{0, 0, 2, 2};
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    FillRect(memory->dc(), &all, brush);
    DeleteObject(brush);
    GdiFlush();
  }
  CHECK(colourAt(*borrowed, 1, 1) == 0x000A141Eu);
  // The surface is selectable again: it was selected out of the released context.
  HDC other = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(other, static_cast<HBITMAP>(borrowed->surfaceHandle()));
  CHECK(previous != nullptr);
  SelectObject(other, previous);
  DeleteDC(other);
}
