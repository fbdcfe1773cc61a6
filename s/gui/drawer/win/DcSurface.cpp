#include "s/gui/drawer/win/DcSurface.h"

#include "s/gui/drawer/TextFormat.h"
#include "s/image/BufferedImage.h"

namespace s::gui::drawer::win {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");
static_assert(format::kCenter == DT_CENTER && format::kVCenter == DT_VCENTER &&
                  format::kWordBreak == DT_WORDBREAK && format::kSingleLine == DT_SINGLELINE &&
                  format::kCalcRect == DT_CALCRECT && format::kNoPrefix == DT_NOPREFIX &&
                  format::kEndEllipsis == DT_END_ELLIPSIS,
              "text formats pass to DrawTextW unchanged");

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

RECT nativeOf(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

// Selects a font and a text colour with a transparent background for one text call, and puts
// the context's own back afterwards.
class TextState {
 public:
  TextState(HDC dc, void* font, Colour colour) : dc_(dc) {
    mode_ = SetBkMode(dc, TRANSPARENT);
    colour_ = SetTextColor(dc, colour);
    if (font != nullptr) font_ = SelectObject(dc, static_cast<HFONT>(font));
  }
  ~TextState() {
    if (font_ != nullptr) SelectObject(dc_, font_);
    SetTextColor(dc_, colour_);
    SetBkMode(dc_, mode_);
  }
  TextState(const TextState&) = delete;
  TextState& operator=(const TextState&) = delete;

 private:
  HDC dc_;
  int mode_;
  COLORREF colour_;
  HGDIOBJ font_ = nullptr;
};

}  // namespace

DcSurface::DcSurface(HDC dc) : dc_(dc) {
  previousBackground_ = GetBkColor(dc);
  background_ = previousBackground_;
}

DcSurface::~DcSurface() {
  if (background_ != previousBackground_) SetBkColor(dc_, previousBackground_);
}

void DcSurface::fillRect(const Rect& rect, Colour colour) {
  // The platform would fill a turned-round rectangle too; drawers mean nothing by one.
  if (rect.isEmpty()) return;
  if (colour != background_) {
    SetBkColor(dc_, colour);
    background_ = colour;
  }
  const RECT area = nativeOf(rect);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void DcSurface::drawText(const Rect& rect, const char16_t* text, Colour colour,
                         std::uint32_t format, void* font) {
  if (text == nullptr) return;
  TextState state(dc_, font, colour);
  RECT area = nativeOf(rect);
  DrawTextW(dc_, wide(text), -1, &area, format);
}

TextSize DcSurface::measureText(const char16_t* text, std::uint32_t format, void* font,
                                std::int32_t widthLimit) {
  TextState state(dc_, font, GetTextColor(dc_));
  RECT area{0, 0, widthLimit > 0 ? widthLimit : 0x7FFF, 0};
  DrawTextW(dc_, wide(text != nullptr ? text : u""), -1, &area, format | DT_CALCRECT);
  return TextSize{area.right - area.left, area.bottom - area.top};
}

void DcSurface::drawImage(s::image::win::BufferedImage& picture, const Rect& rect, bool fit) {
  if (rect.isEmpty()) return;
  picture.drawTo(dc_, rect.left, rect.top, rect.width(), rect.height(), fit);
}

}  // namespace s::gui::drawer::win
