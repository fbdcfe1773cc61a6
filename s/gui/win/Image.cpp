#include "s/gui/win/Image.h"

#include "s/gui/drawer/Glyphs.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

// The grip's dots begin at the rectangle's right and bottom edge, so it is given a rectangle
// two pixels inside the image.
constexpr char16_t kResizer[] = u"#Resizer";

}  // namespace

Image::Image()
    : glyph_(s::str::strbuffer::newStr()),
      ownDrawer_(s::gui::drawer::image::win::Basic::create()) {}

Image::~Image() { dropPicture(); }

s::base::IObject* Image::newInstance() const { return s::thread::takeFromPool<Image>(); }

void Image::release() { s::thread::giveBackToPool(this); }

void Image::reset() {
  resetLeaf();
  dropPicture();
  glyph_->setText(u"");
  glyphColour_ = 0;
  fit_ = true;
  framed_ = false;
  alphaAware_ = false;
  sizeGrip_ = false;
  drawer_.set(nullptr, false);
}

void Image::dropPicture() {
  if (picture_ != nullptr && ownsPicture_) picture_->release();
  picture_ = nullptr;
  ownsPicture_ = false;
}

void Image::setPicture(s::image::win::BufferedImage* picture, bool owned) {
  if (picture != picture_) dropPicture();
  picture_ = picture;
  ownsPicture_ = owned && picture != nullptr;
  glyph_->setText(u"");
  const std::int32_t width = picture != nullptr ? picture->width() : 0;
  const std::int32_t height = picture != nullptr ? picture->height() : 0;
  setDefaultSizes(width, height, width, height);
  relayoutParent();
  redraw();
}

void Image::setGlyph(const char16_t* name) {
  dropPicture();
  glyph_->setText(name != nullptr ? name : u"");
  redraw();
}

void Image::setGlyphColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  glyphColour_ = s::gui::drawer::rgb(red, green, blue);
  redraw();
}

void Image::setFit(bool fit) {
  fit_ = fit;
  redraw();
}

void Image::setFramed(bool framed) {
  framed_ = framed;
  redraw();
}

void Image::setAlphaAware(bool alphaAware) {
  alphaAware_ = alphaAware;
  redraw();
}

void Image::setDrawer(s::gui::drawer::IImage* drawer, bool owned) {
  drawer_.set(drawer, owned);
  redraw();
}

void Image::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::win::DcSurface surface(dc);
  const s::gui::drawer::Rect rect{area.left, area.top, area.right, area.bottom};
  if (picture_ != nullptr) {
    s::gui::drawer::IImage* drawer = drawer_ ? drawer_.get() : ownDrawer_.get();
    // Without a window picture of its own to copy into, alpha is blended by the surface.
    drawer->paint(surface, nullptr, rect, picture_, fit_, framed_, alphaAware_);
  } else if (!glyph_->isEmpty()) {
    const bool resizer = glyph_->equals(*s::str::strbuffer::newStr(kResizer));
    s::gui::drawer::drawGlyph(
        surface,
        resizer ? s::gui::drawer::Rect{rect.left, rect.top, rect.right - 2, rect.bottom - 2} : rect,
        glyph_->text(), glyphColour_);
  }
}

HWND Image::sizableWindow() const {
  HWND image = static_cast<HWND>(nativeWindow());
  if (!sizeGrip_ || image == nullptr) return nullptr;
  HWND top = GetAncestor(image, GA_ROOT);
  if (top == nullptr || top == image || IsZoomed(top) != 0) return nullptr;
  if ((GetWindowLongPtrW(top, GWL_STYLE) & WS_THICKFRAME) == 0) return nullptr;
  return top;
}

bool Image::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) {
  switch (message) {
    case WM_PAINT:
      paintWindow(static_cast<HWND>(nativeWindow()),
                  [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_NCLBUTTONDOWN: {
      HWND top = sizableWindow();
      if (top == nullptr || wParam != HTBOTTOMRIGHT) return false;
      // The system's sizing loop for the top-level window, from its bottom-right corner.
      SendMessageW(top, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lParam);
      *result = 0;
      return true;
    }
    case WM_SETCURSOR:
      if (sizableWindow() == nullptr) return false;
      SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
      *result = TRUE;
      return true;
    default:
      return LeafComponent::preHandle(result, message, wParam, lParam);
  }
}

void Image::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  if (message == WM_NCHITTEST) {
    *result = sizableWindow() != nullptr ? HTBOTTOMRIGHT : HTTRANSPARENT;
    return;
  }
  LeafComponent::postHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
