#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/LeafComponent.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IImage.h"
#include "s/gui/drawer/image/Basic.h"
#include "s/gui/win/DrawerRef.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::win {

// A picture or a glyph in a rectangle of its own. Sized by the simple size policy; a picture
// proposes its own size, and with fit (the default) it is scaled to whatever the layout gives.
// Images take no clicks, except when they serve as a window's size grip.
class Image final : public s::gui::LeafComponent {
 public:
  Image();
  ~Image() override;

  const char16_t* className() const override { return u"s_gui_win_Image"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // No picture, no glyph, fit on, frame and alpha off, no grip.
  void reset() override;

  // Owned pictures go back to their pool with the image. Replaces a glyph.
  void setPicture(s::image::win::BufferedImage* picture, bool owned);
  s::image::win::BufferedImage* picture() const { return picture_; }
  // A glyph name ("#Resizer", "#X", ...) drawn in the glyph colour; replaces a picture.
  void setGlyph(const char16_t* name);
  const s::str::strbuffer::StrBuffer& glyph() const { return *glyph_; }
  void setGlyphColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  s::gui::drawer::Colour glyphColour() const { return glyphColour_; }

  void setFit(bool fit);
  void setFramed(bool framed);
  void setAlphaAware(bool alphaAware);
  // Owned drawers go back to their pool; null returns to the image's own.
  void setDrawer(s::gui::drawer::IImage* drawer, bool owned);
  // As a size grip the image sizes the top-level window from its bottom-right corner.
  void setSizeGrip(bool on) { sizeGrip_ = on; }

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;

 private:
  void dropPicture();
  void paint(HDC dc, const RECT& area);
  // The top-level window to size, null when it cannot be sized now.
  HWND sizableWindow() const;

  s::image::win::BufferedImage* picture_ = nullptr;
  bool ownsPicture_ = false;
  s::base::Owned<s::str::strbuffer::StrBuffer> glyph_;
  s::gui::drawer::Colour glyphColour_ = 0;
  bool fit_ = true;
  bool framed_ = false;
  bool alphaAware_ = false;
  bool sizeGrip_ = false;
  DrawerRef<s::gui::drawer::IImage> drawer_;
  s::base::Owned<s::gui::drawer::image::win::Basic> ownDrawer_;
};

}  // namespace s::gui::win
