#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// A surface over a buffered image: fills become pixels (clipped to the image), pictures are
// copied in. It has no text rasteriser, so it keeps every text call instead, and measures text
// on a fixed grid of character cells.
class ImageSurface final : public ISurface {
 public:
  struct TextCall {
    Rect rect;
    std::u16string text;
    Colour colour = 0;
    std::uint32_t format = 0;
    void* font = nullptr;
  };

  // image is borrowed and must outlive the surface.
  explicit ImageSurface(s::image::win::BufferedImage& image) : image_(image) {}
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;

  void fillRect(const Rect& rect, Colour colour) override;
  void drawText(const Rect& rect, const char16_t* text, Colour colour, std::uint32_t format,
                void* font) override;
  TextSize measureText(const char16_t* text, std::uint32_t format, void* font,
                       std::int32_t widthLimit) override;
  void drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) override;

  const std::vector<TextCall>& textCalls() const { return textCalls_; }
  void clearTextCalls() { textCalls_.clear(); }
  // The cell every character of a measured text takes (7 x 13 until set).
  void setTextCell(std::int32_t width, std::int32_t height) {
    cellWidth_ = width;
    cellHeight_ = height;
  }

 private:
  s::image::win::BufferedImage& image_;
  std::vector<TextCall> textCalls_;
  std::int32_t cellWidth_ = 7;
  std::int32_t cellHeight_ = 13;
};

}  // namespace s::gui::drawer
