#pragma once

#include <cstdint>
#include <cstring>
#include <set>
#include <utility>

#include "s/base/Owned.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace support {

using Pixel = std::pair<int, int>;  // (x, y)
using PixelSet = std::set<Pixel>;

// A buffered image filled with a background colour that no drawer uses, with a surface over
// it, read back as colours.
class DrawCanvas {
 public:
  static constexpr s::gui::drawer::Colour kBackground = s::gui::drawer::rgb(1, 2, 3);

  DrawCanvas(int width, int height)
      : image_(s::thread::obtain<s::image::win::BufferedImage>()), surface_(*image_) {
    image_->create(width, height);
    clear();
  }
  DrawCanvas(const DrawCanvas&) = delete;
  DrawCanvas& operator=(const DrawCanvas&) = delete;

  s::gui::drawer::ImageSurface& surface() { return surface_; }
  s::image::win::BufferedImage& image() { return *image_; }
  int width() const { return image_->width(); }
  int height() const { return image_->height(); }

  void clear() {
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) set(x, y, kBackground);
    }
  }
  s::gui::drawer::Colour at(int x, int y) const {
    const std::uint8_t* p = image_->row(y) + x * 4;
    return s::gui::drawer::rgb(p[2], p[1], p[0]);
  }
  void set(int x, int y, s::gui::drawer::Colour colour) {
    std::uint8_t* p = image_->row(y) + x * 4;
    p[0] = s::gui::drawer::blueOf(colour);
    p[1] = s::gui::drawer::greenOf(colour);
    p[2] = s::gui::drawer::redOf(colour);
    p[3] = 255;
  }
  // Every pixel that is not the background.
  PixelSet painted() const {
    PixelSet pixels;
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) {
        if (at(x, y) != kBackground) pixels.insert({x, y});
      }
    }
    return pixels;
  }
  bool untouched() const { return painted().empty(); }

 private:
  s::base::Owned<s::image::win::BufferedImage> image_;
  s::gui::drawer::ImageSurface surface_;
};

// The pixels of a filled rectangle (x, y, width, height), added to pixels.
inline void addBlock(PixelSet& pixels, int x, int y, int width, int height) {
  for (int j = y; j < y + height; ++j) {
    for (int i = x; i < x + width; ++i) pixels.insert({i, j});
  }
}

}  // namespace support
