#include "s/gui/win/Label.h"

#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/gui/win/HoverCapture.h"
#include "s/gui/win/MessageParams.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

using s::gui::HoverTracker;

const char16_t* orEmpty(const char16_t* text) { return text != nullptr ? text : u""; }

}  // namespace

Label::Label()
    : base_(s::thread::obtain<Font>()),
      ownDrawer_(s::gui::drawer::text::win::Basic::create()),
      saved_(s::str::strbuffer::newStr()) {}

Label::~Label() = default;

s::base::IObject* Label::newInstance() const { return s::thread::takeFromPool<Label>(); }

void Label::release() { s::thread::giveBackToPool(this); }

void Label::reset() {
  resetTextControl();
  base_->reset();
  for (auto& font : states_) font.reset();
  drawer_.set(nullptr, false);
  ownDrawer_->reset();
  saved_->setText(u"");
  hasSaved_ = false;
  link_ = false;
  hover_.clear();
  clickListeners_.clear();
}

void Label::setMultiLine(bool on) {
  base_->setMultiLine(on);
  resize();
  redraw();
}

void Label::setEllipsis(bool on) {
  base_->setEllipsis(on);
  resize();
  redraw();
}

bool Label::setText(const char16_t* text, bool repaint) {
  if (window() != nullptr) {
    return SendMessageW(window(), kSetTextMessage, reinterpret_cast<WPARAM>(orEmpty(text)),
                        repaint ? 1 : 0) != 0;
  }
  return changeText(text, repaint);
}

bool Label::changeText(const char16_t* text, bool repaint) {
  if (hasSaved_) {
    // A text of its own replaces the temporary one and the one it was to bring back.
    if (window() != nullptr) KillTimer(window(), kTemporaryTextTimer);
    hasSaved_ = false;
    saved_->setText(u"");
  }
  if (this->text().equals(*s::str::strbuffer::newStr(orEmpty(text)))) return false;
  storeText(text);
  resize();
  if (repaint) redraw();
  return true;
}

void Label::setTemporaryText(const char16_t* text, std::uint32_t milliseconds) {
  if (window() == nullptr) return;
  SendMessageW(window(), kSetTemporaryTextMessage, reinterpret_cast<WPARAM>(orEmpty(text)),
               static_cast<LPARAM>(milliseconds));
}

void Label::startTemporaryText(const char16_t* text, UINT milliseconds) {
  HWND label = window();
  KillTimer(label, kTemporaryTextTimer);
  const bool first = !hasSaved_;
  if (first) saved_->setStr(this->text());
  // Shown as a text of its own would forget the saved one.
  hasSaved_ = false;
  changeText(text, true);
  hasSaved_ = true;
  SetTimer(label, kTemporaryTextTimer, milliseconds, nullptr);
}

void Label::endTemporaryText() {
  KillTimer(window(), kTemporaryTextTimer);
  if (!hasSaved_) return;
  s::base::Owned<s::str::strbuffer::StrBuffer> saved = saved_->clone();
  hasSaved_ = false;
  saved_->setText(u"");
  changeText(saved->text(), true);
}

Font& Label::stateFont(std::int32_t index) {
  if (index < 1 || index > kStateFonts) return *base_;
  s::base::Owned<Font>& font = states_[index - 1];
  if (!font) {
    font = s::thread::obtain<Font>();
    font->copyFrom(*base_);
  }
  return *font;
}

bool Label::setFontSizeCode(std::int32_t code) {
  if (!base_->setSizeCode(code)) return false;
  for (auto& font : states_) {
    if (font) font->setSizeCode(code);
  }
  fontsChanged();
  return true;
}

void Label::setFontWeight(std::int32_t weight) {
  changeFonts([weight](Font& font) { font.setWeight(weight); });
}

void Label::setFontFace(const char16_t* face) {
  changeFonts([face](Font& font) { font.setFace(face); });
}

void Label::setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  changeFonts([=](Font& font) { font.setTextColour(red, green, blue); });
}

void Label::setFontUnderline(bool on) {
  changeFonts([on](Font& font) { font.setUnderline(on); });
}

void Label::setFontItalic(bool on) {
  changeFonts([on](Font& font) { font.setItalic(on); });
}

void Label::fontsChanged() {
  resize();
  redraw();
}

void Label::setDrawer(s::gui::drawer::IText* drawer, bool owned) {
  drawer_.set(drawer, owned);
  resize();
  redraw();
}

s::gui::drawer::IText* Label::drawer() const { return drawer_ ? drawer_.get() : ownDrawer_.get(); }

void Label::setLinkMode(bool on) {
  link_ = on;
  for (std::int32_t index = 2; index <= kStateFonts; ++index) stateFont(index).setUnderline(on);
  if (!on) {
    HWND label = window();
    hover_.clear();
    if (label != nullptr && GetCapture() == label) ReleaseCapture();
  }
  redraw();
}

void Label::setParent(s::gui::IComponent* parent) {
  TextControl::setParent(parent);
  if (parent != nullptr && window() != nullptr) resize();
}

void Label::nativeWindowDestroyed() {
  hover_.clear();
  hasSaved_ = false;
  TextControl::nativeWindowDestroyed();
}

void Label::resize() {
  HWND label = window();
  if (label == nullptr) return;
  HDC dc = GetDC(label);
  if (dc == nullptr) return;
  s::gui::drawer::TextMeasure measure;
  {
    s::gui::drawer::win::DcSurface surface(dc);
    s::gui::drawer::IText* text = drawer();
    measure = text->measure(surface, this->text().text(),
                            base_->settingOver(text->fontSetting(s::gui::drawer::IText::kNormal)));
  }
  ReleaseDC(label, dc);
  setDefaultSizes(measure.minimumWidth, measure.minimumHeight, measure.preferredWidth,
                  measure.preferredHeight);
  relayoutParent();
}

std::int32_t Label::fontIndex() const {
  using s::gui::drawer::IText;
  if (!isEnabled()) return IText::kDisabled;
  if (!link_) return IText::kNormal;
  if (hover_.state() == HoverTracker::kHover) return IText::kLinkHot;
  if (hover_.state() == HoverTracker::kPressed) return IText::kLinkPressed;
  return IText::kLink;
}

void Label::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::IText* text = drawer();
  const std::int32_t index = fontIndex();
  const Font& font = index == 0 || !states_[index - 1] ? *base_ : *states_[index - 1];
  s::gui::drawer::win::DcSurface surface(dc);
  text->paint(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom},
              this->text().text(), font.settingOver(text->fontSetting(index)));
}

void Label::apply(std::uint32_t actions) {
  HWND label = window();
  applyHoverCapture(label, actions);
  if ((actions & HoverTracker::kRepaint) != 0) redraw();
  if ((actions & HoverTracker::kClick) != 0) clickListeners_.fire(this, kClick);
}

bool Label::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) {
  HWND label = window();
  switch (message) {
    case kSetTextMessage:
      *result = changeText(reinterpret_cast<const char16_t*>(wParam), lParam != 0) ? 1 : 0;
      return true;
    case kSetTemporaryTextMessage:
      startTemporaryText(reinterpret_cast<const char16_t*>(wParam), static_cast<UINT>(lParam));
      *result = 0;
      return true;
    case WM_TIMER: {
      std::uint32_t actions = 0;
      if (hoverWatchTimer(label, hover_, wParam, &actions)) {
        apply(actions);
        *result = 0;
        return true;
      }
      if (wParam != kTemporaryTextTimer) return false;
      endTemporaryText();
      *result = 0;
      return true;
    }
    case WM_PAINT:
      paintWindow(label, [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_MOUSEMOVE:
      if (!link_) return false;
      apply(hover_.moved(isInsideClient(label, lParam),
                         (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0));
      *result = 0;
      return true;
    case WM_LBUTTONDOWN:
      if (!link_) return false;
      apply(hover_.pressed(isInsideClient(label, lParam)));
      *result = 0;
      return true;
    case WM_LBUTTONUP:
      if (!link_) return false;
      apply(hover_.released(isInsideClient(label, lParam)));
      *result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (link_ && windowOf(lParam) != label) apply(hover_.captureLost());
      return false;
    case WM_SETCURSOR:
      if (!link_) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      *result = TRUE;
      return true;
    default:
      return TextControl::preHandle(result, message, wParam, lParam);
  }
}

void Label::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  // Clicks on a plain label reach the window below (easy drag works over labels).
  if (message == WM_NCHITTEST && !link_) {
    *result = HTTRANSPARENT;
    return;
  }
  TextControl::postHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
