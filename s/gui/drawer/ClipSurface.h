#pragma once

#include <algorithm>
#include <cstdint>

#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// Passes drawing on to another surface, keeping fills inside a clip rectangle: shapes of a fixed
// size (glyphs, rounded corners) then cannot spill out of a control smaller than they are.
class ClipSurface final : public ISurface {
 public:
  ClipSurface(ISurface& target, const Rect& clip) : target_(target), clip_(clip) {}
  ClipSurface(const ClipSurface&) = delete;
  ClipSurface& operator=(const ClipSurface&) = delete;

  void fillRect(const Rect& rect, Colour colour) override {
    const Rect inside{std::max(rect.left, clip_.left), std::max(rect.top, clip_.top),
                      std::min(rect.right, clip_.right), std::min(rect.bottom, clip_.bottom)};
    if (!inside.isEmpty()) target_.fillRect(inside, colour);
  }
  void drawText(const Rect& rect, const char16_t* text, Colour colour, std::uint32_t format,
                void* font) override {
    target_.drawText(rect, text, colour, format, font);
  }
  TextSize measureText(const char16_t* text, std::uint32_t format, void* font,
                       std::int32_t widthLimit) override {
    return target_.measureText(text, format, font, widthLimit);
  }
  void drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) override {
    target_.drawImage(picture, rect, fit);
  }

 private:
  ISurface& target_;
  Rect clip_;
};

}  // namespace s::gui::drawer
