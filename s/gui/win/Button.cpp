#include "s/gui/win/Button.h"

#include <commctrl.h>

#include "s/gui/PrivateMessage.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/gui/win/HoverCapture.h"
#include "s/gui/win/MessageParams.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

using s::gui::HoverTracker;
using s::gui::PrivateMessage;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// What a platform button without the ideal-size message (before version 6 of the common
// controls) needs: the text and room for its frame.
SIZE measuredIdealSize(HWND window, HFONT font, const char16_t* text) {
  SIZE size{0, 0};
  HDC dc = GetDC(window);
  if (dc == nullptr) return size;
  HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  const int length = lstrlenW(wide(text));
  if (length > 0) {
    GetTextExtentPoint32W(dc, wide(text), length, &size);
  } else {
    TEXTMETRICW metrics;
    if (GetTextMetricsW(dc, &metrics) != 0) size.cy = metrics.tmHeight;
  }
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  size.cx += 16;
  size.cy += 10;
  return size;
}

bool anyButtonDown(std::uintptr_t wParam) {
  return (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
}

}  // namespace

Button::Button() {
  for (auto& font : fonts_) font = s::thread::obtain<Font>();
}

Button::~Button() = default;

s::base::IObject* Button::newInstance() const { return s::thread::takeFromPool<Button>(); }

void Button::release() { s::thread::giveBackToPool(this); }

void Button::reset() {
  resetTextControl();
  subclass_.detach();
  for (auto& font : fonts_) font->reset();
  drawer_.set(nullptr, false);
  hover_.clear();
  clickListeners_.clear();
  changedListeners_.clear();
  pressedListeners_.clear();
  pressOrigin_ = POINT{0, 0};
  drawType_ = 0;
  framed_ = false;
  toggles_ = false;
  canBeUnchecked_ = true;
  sunkenWhenChecked_ = false;
  framedWhenChecked_ = false;
  checked_ = false;
  clickable_ = true;
  autoRepeat_ = false;
  default_ = false;
  brush_.reset();
  brushColour_ = 0;
}

void Button::setColourSwatch(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  s::base::Owned<s::str::strbuffer::StrBuffer> swatch = s::str::strbuffer::newStr(u"#Color-");
  const std::uint8_t channels[3] = {red, green, blue};
  swatch->appendHex8(channels, 3);
  applyText(swatch->text());
}

Font& Button::font(std::int32_t state) {
  return *fonts_[state >= 0 && state < kFonts ? state : kNormalFont];
}

bool Button::setFontSizeCode(std::int32_t code) {
  bool changed = false;
  for (auto& font : fonts_) changed = font->setSizeCode(code) || changed;
  if (changed) fontsChanged();
  return changed;
}

void Button::setFontWeight(std::int32_t weight) {
  for (auto& font : fonts_) font->setWeight(weight);
  fontsChanged();
}

void Button::setFontFace(const char16_t* face) {
  for (auto& font : fonts_) font->setFace(face);
  fontsChanged();
}

void Button::setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  for (auto& font : fonts_) font->setTextColour(red, green, blue);
  redraw();
}

void Button::setFontUnderline(bool on) {
  for (auto& font : fonts_) font->setUnderline(on);
  fontsChanged();
}

void Button::setFontItalic(bool on) {
  for (auto& font : fonts_) font->setItalic(on);
  fontsChanged();
}

void Button::fontsChanged() {
  if (window() != nullptr && !drawer_) {
    SendMessageW(window(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kNormalFont]->handle()),
                 TRUE);
  }
  resize();
}

void Button::setAutoRepeat(bool on) {
  autoRepeat_ = on;
  if (!on) stopRepeating();
}

void Button::setDrawer(s::gui::drawer::IButton* drawer, bool owned) {
  const bool hadDrawer = static_cast<bool>(drawer_);
  drawer_.set(drawer, owned);
  if (hadDrawer != static_cast<bool>(drawer_)) restyle();
  resize();
  redraw();
}

void Button::setDrawType(std::int32_t type) {
  drawType_ = type;
  redraw();
}

void Button::setFramed(bool framed) {
  framed_ = framed;
  redraw();
}

void Button::setToggleOptions(bool toggles, bool canBeUnchecked, bool sunkenWhenChecked,
                              bool framedWhenChecked) {
  toggles_ = toggles;
  canBeUnchecked_ = canBeUnchecked;
  sunkenWhenChecked_ = sunkenWhenChecked;
  framedWhenChecked_ = framedWhenChecked;
  if (letsMouseThrough()) dropHover();
  redraw();
}

void Button::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (letsMouseThrough()) dropHover();
  redraw();
}

void Button::setClickable(bool clickable) {
  clickable_ = clickable;
  if (letsMouseThrough()) dropHover();
}

void Button::setDefault(bool on) {
  default_ = on;
  if (window() != nullptr && !drawer_) {
    SendMessageW(window(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  redraw();
}

DWORD Button::kindStyle() const {
  if (drawer_) return BS_OWNERDRAW;
  return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::restyle() {
  HWND button = window();
  if (button == nullptr) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
  // The platform does not let BM_SETSTYLE switch a button to or from owner drawing.
  SetWindowLongPtrW(
      button, GWL_STYLE,
      static_cast<LONG_PTR>((style & ~static_cast<DWORD>(BS_TYPEMASK)) | kindStyle()));
  if (!drawer_) {
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kNormalFont]->handle()),
                 FALSE);
  }
  InvalidateRect(button, nullptr, TRUE);
}

s::gui::NativeWindow Button::createNativeWindow(s::gui::NativeWindow parent) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | kindStyle();
  if (isVisible()) style |= WS_VISIBLE;
  if (!isEnabled()) style |= WS_DISABLED;
  HWND button =
      subclass_.create(L"BUTTON", 0, wide(text().text()), style, x() + offsetX(), y() + offsetY(),
                       width(), height(), static_cast<HWND>(parent), this);
  if (button != nullptr && !drawer_) {
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kNormalFont]->handle()),
                 FALSE);
  }
  return button;
}

void Button::setParent(s::gui::IComponent* parent) {
  TextControl::setParent(parent);
  if (parent != nullptr && window() != nullptr) resize();
}

void Button::nativeWindowDestroyed() {
  hover_.clear();
  TextControl::nativeWindowDestroyed();
}

void Button::applyText(const char16_t* text) {
  storeText(text);
  if (window() == nullptr) return;
  SetWindowTextW(window(), wide(this->text().text()));
  resize();
  redraw();
}

void Button::resize() {
  HWND button = window();
  if (button == nullptr) return;
  const s::gui::SimpleSizePolicy& across = widthPolicy();
  const s::gui::SimpleSizePolicy& down = heightPolicy();
  if (drawer_ && across.fixed >= 0 && down.fixed >= 0) {
    setDefaultSizes(across.fixed, down.fixed, across.fixed, down.fixed);
  } else {
    HFONT font = drawer_ ? static_cast<HFONT>(drawer_->normalFont().font()) : nullptr;
    if (font == nullptr) font = fonts_[kNormalFont]->handle();
    const auto previous = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SIZE ideal{0, 0};
    const bool known =
        SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0 &&
        ideal.cx > 0 && ideal.cy > 0;
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(previous), FALSE);
    if (!known) ideal = measuredIdealSize(button, font, text().text());
    setDefaultSizes(ideal.cx, ideal.cy, ideal.cx, ideal.cy);
  }
  relayoutParent();
}

void Button::click() {
  clickListeners_.fire(this, kClick);
  if (toggles_ && clickable_) {
    if (!checked_ || canBeUnchecked_) checked_ = !checked_;
    if (letsMouseThrough()) dropHover();
    redraw();
  }
  changedListeners_.fire(this, kChanged);
}

void Button::press(std::intptr_t lParam) {
  POINT at{pointX(lParam), pointY(lParam)};
  ClientToScreen(window(), &at);
  pressOrigin_ = at;
  apply(hover_.pressed(true));
  pressedListeners_.fire(this, kPressed);
  if (autoRepeat_ && window() != nullptr) {
    KillTimer(window(), kRepeatTimer);
    SetTimer(window(), kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
  }
}

void Button::onTimer(UINT_PTR id) {
  // Away from the button the repeats pause; the timers keep running until the release.
  if (!isCursorInside(window())) return;
  if (id == kFirstRepeatTimer) {
    KillTimer(window(), kFirstRepeatTimer);
    SetTimer(window(), kRepeatTimer, kRepeatPeriod, nullptr);
  }
  pressedListeners_.fire(this, kPressed);
}

void Button::stopRepeating() {
  if (window() == nullptr) return;
  KillTimer(window(), kFirstRepeatTimer);
  KillTimer(window(), kRepeatTimer);
}

void Button::apply(std::uint32_t actions) {
  HWND button = window();
  if (button == nullptr) return;
  applyHoverCapture(button, actions);
  if ((actions & HoverTracker::kRepaint) != 0) redraw();
}

void Button::dropHover() {
  HWND button = window();
  const bool hadState = hover_.state() != HoverTracker::kNone;
  hover_.clear();
  stopRepeating();
  if (button != nullptr && GetCapture() == button) ReleaseCapture();
  if (hadState) redraw();
}

void Button::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  if (!drawer_) return;
  const bool enabled = isEnabled();
  const std::int32_t hover = enabled ? hover_.state() : HoverTracker::kNone;
  const bool hot = hover != HoverTracker::kNone;
  std::int32_t type = drawType_;
  if (checked_ && sunkenWhenChecked_) type = 2;
  // Held down, a button looks pushed in: raised while hot is drawn sunken.
  if (hover == HoverTracker::kPressed) type = 1;
  const bool framed = framed_ || (checked_ && framedWhenChecked_);
  const s::gui::win::FontSetting setting =
      !enabled ? fonts_[kDisabledFont]->settingOver(drawer_->disabledFont())
      : hot    ? fonts_[kHotFont]->settingOver(drawer_->hotFont())
               : fonts_[kNormalFont]->settingOver(drawer_->normalFont());
  s::gui::drawer::win::DcSurface surface(dc);
  drawer_->paint(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom}, type,
                 text().text(), framed, setting, enabled, hot, GetFocus() == window() || default_);
}

std::intptr_t Button::colours(HDC dc) {
  const Font& normal = *fonts_[kNormalFont];
  SetTextColor(
      dc, normal.isExplicit(Font::kTextColour) ? normal.textColour() : GetSysColor(COLOR_BTNTEXT));
  if (isTransparent() && parent() == nullptr) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<std::intptr_t>(GetStockObject(HOLLOW_BRUSH));
  }
  const COLORREF colour = isTransparent() ? effectiveBackground() : background();
  if (!brush_ || brushColour_ != colour) {
    brush_.reset(CreateSolidBrush(colour));
    brushColour_ = colour;
  }
  SetBkColor(dc, colour);
  return reinterpret_cast<std::intptr_t>(brush_.get());
}

bool Button::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  HWND button = window();
  switch (message) {
    case PrivateMessage::kReflectedClicked:
      click();
      *result = 0;
      return true;
    case PrivateMessage::kReflectedDoubleClicked:
      pressedListeners_.fire(this, kPressed);
      click();
      *result = 0;
      return true;
    case PrivateMessage::kReflectedColour:
      if (drawer_) return false;
      *result = colours(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_PAINT:
      if (!drawer_) return false;
      paintWindow(button, [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!drawer_ || item == nullptr || item->hwndItem != button) return false;
      paint(item->hDC, item->rcItem);
      *result = TRUE;
      return true;
    }
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_KEYDOWN: {
      HWND parentWindow = handleOf(parent());
      if (parentWindow == nullptr) return false;
      *result = SendMessageW(parentWindow, message, wParam, lParam);
      return true;
    }
    case WM_MOUSEWHEEL: {
      RECT area;
      GetWindowRect(button, &area);
      const POINT at{pointX(lParam), pointY(lParam)};
      HWND owner = handleOf(owningWindow());
      if (PtInRect(&area, at) != 0 || owner == nullptr || owner == button) return false;
      *result = SendMessageW(owner, message, wParam, lParam);
      return true;
    }
    case WM_MOUSEMOVE:
      if (!letsMouseThrough()) {
        apply(hover_.moved(isInsideClient(button, lParam), anyButtonDown(wParam)));
      }
      return false;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a double click as such; a plain one presses again.
      if (drawer_) return false;
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      if (!letsMouseThrough()) press(lParam);
      return false;
    case WM_LBUTTONUP:
      stopRepeating();
      apply(hover_.released(isInsideClient(button, lParam)) & ~HoverTracker::kClick);
      return false;
    case WM_CAPTURECHANGED:
      if (windowOf(lParam) != button) {
        stopRepeating();
        apply(hover_.captureLost());
      }
      return false;
    case WM_TIMER: {
      std::uint32_t actions = 0;
      if (hoverWatchTimer(window(), hover_, wParam, &actions)) {
        apply(actions);
        *result = 0;
        return true;
      }
      if (wParam != kFirstRepeatTimer && wParam != kRepeatTimer) return false;
      onTimer(wParam);
      *result = 0;
      return true;
    }
    default:
      return TextControl::preHandle(result, message, wParam, lParam);
  }
}

void Button::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
  switch (message) {
    case WM_NCHITTEST:
      if (letsMouseThrough()) *result = HTTRANSPARENT;
      break;
    case WM_GETDLGCODE:
      *result |= DLGC_WANTALLKEYS;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (drawer_) redraw();
      break;
    default:
      TextControl::postHandle(result, message, wParam, lParam);
  }
}

}  // namespace s::gui::win
