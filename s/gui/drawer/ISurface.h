#pragma once

#include <cstdint>

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/Rect.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::drawer {

// What a text measures when laid out with a format.
struct TextSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Where drawers paint: a device context on Windows, a buffered image elsewhere. Drawers only
// fill solid rectangles, draw text and draw pictures, so every paint is reproducible pixel for
// pixel on either side.
class ISurface {
 public:
  virtual ~ISurface() = default;

  // One solid colour over the rectangle; an empty rectangle fills nothing.
  virtual void fillRect(const Rect& rect, Colour colour) = 0;
  // Text into the rectangle with a transparent background, in colour and with the layout format
  // (flags of s/gui/drawer/TextFormat.h); font is a borrowed native font, null for the
  // surface's own. The surface's text state is as before when the call returns.
  virtual void drawText(const Rect& rect, const char16_t* text, Colour colour, std::uint32_t format,
                        void* font) = 0;
  // The size the text takes with the format and font; word-breaking formats wrap at widthLimit.
  virtual TextSize measureText(const char16_t* text, std::uint32_t format, void* font,
                               std::int32_t widthLimit) = 0;
  // The top-left part of picture at the rectangle, clipped to the picture's size; with fit, the
  // picture scaled to the rectangle.
  virtual void drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) = 0;

  void fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
            Colour colour) {
    fillRect(Rect{x, y, x + width, y + height}, colour);
  }
};

}  // namespace s::gui::drawer
