#pragma once

#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer::win {

// A surface over a device context (borrowed): fills are opaque text-outs of no text in the
// background colour, texts go through DrawTextW. The context's background colour is put back
// when the surface goes.
class DcSurface final : public ISurface {
 public:
  explicit DcSurface(HDC dc);
  ~DcSurface() override;
  DcSurface(const DcSurface&) = delete;
  DcSurface& operator=(const DcSurface&) = delete;

  void fillRect(const Rect& rect, Colour colour) override;
  void drawText(const Rect& rect, const char16_t* text, Colour colour, std::uint32_t format,
                void* font) override;
  TextSize measureText(const char16_t* text, std::uint32_t format, void* font,
                       std::int32_t widthLimit) override;
  void drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) override;

  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  COLORREF previousBackground_;
  COLORREF background_;
};

}  // namespace s::gui::drawer::win
