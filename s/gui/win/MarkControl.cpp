#include "s/gui/win/MarkControl.h"

#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/gui/win/HoverCapture.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

using s::gui::HoverTracker;

}  // namespace

MarkControl::MarkControl() : font_(s::thread::obtain<Font>()) {}

MarkControl::~MarkControl() = default;

void MarkControl::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  redraw();
}

void MarkControl::setMarkSize(std::int32_t size) {
  markSize_ = size > 0 ? size : kDefaultMarkSize;
  resize();
  redraw();
}

bool MarkControl::setFontSizeCode(std::int32_t code) {
  if (!font_->setSizeCode(code)) return false;
  resize();
  redraw();
  return true;
}

void MarkControl::setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  font_->setTextColour(red, green, blue);
  redraw();
}

void MarkControl::applyText(const char16_t* text) {
  storeText(text);
  resize();
  redraw();
}

void MarkControl::setParent(s::gui::IComponent* parent) {
  TextControl::setParent(parent);
  if (parent != nullptr && window() != nullptr) resize();
}

void MarkControl::nativeWindowDestroyed() {
  hover_.clear();
  TextControl::nativeWindowDestroyed();
}

void MarkControl::resize() {
  HWND control = window();
  if (control == nullptr) return;
  HDC dc = GetDC(control);
  if (dc == nullptr) return;
  s::gui::drawer::TextMeasure measure;
  {
    s::gui::drawer::win::DcSurface surface(dc);
    measure = measureMark(surface, font_->settingOver(s::gui::win::FontSetting()));
  }
  ReleaseDC(control, dc);
  // The mark is never cut, however short the caption's font.
  if (measure.minimumHeight < markSize_) measure.minimumHeight = markSize_;
  if (measure.preferredHeight < markSize_) measure.preferredHeight = markSize_;
  setDefaultSizes(measure.minimumWidth, measure.minimumHeight, measure.preferredWidth,
                  measure.preferredHeight);
  relayoutParent();
}

void MarkControl::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::win::DcSurface surface(dc);
  paintMark(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom},
            font_->settingOver(s::gui::win::FontSetting()),
            isEnabled() && hover_.state() != HoverTracker::kNone);
}

void MarkControl::apply(std::uint32_t actions) {
  HWND control = window();
  applyHoverCapture(control, actions);
  if ((actions & HoverTracker::kRepaint) != 0) redraw();
  if ((actions & HoverTracker::kClick) != 0) {
    clickListeners_.fire(this, kClick);
    const bool next = checkedAfterClick(checked_);
    if (next != checked_) {
      checked_ = next;
      checkedByClick();
      redraw();
      changedListeners_.fire(this, kChanged);
    }
  }
}

bool MarkControl::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
  HWND control = window();
  switch (message) {
    case WM_PAINT:
      paintWindow(control, [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_MOUSEMOVE:
      apply(hover_.moved(isInsideClient(control, lParam),
                         (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0));
      *result = 0;
      return true;
    case WM_LBUTTONDOWN:
      apply(hover_.pressed(isInsideClient(control, lParam)));
      *result = 0;
      return true;
    case WM_LBUTTONUP:
      apply(hover_.released(isInsideClient(control, lParam)));
      *result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != control) apply(hover_.captureLost());
      return false;
    case WM_TIMER: {
      std::uint32_t actions = 0;
      if (!hoverWatchTimer(control, hover_, wParam, &actions)) return false;
      apply(actions);
      *result = 0;
      return true;
    }
    default:
      return TextControl::preHandle(result, message, wParam, lParam);
  }
}

void MarkControl::resetMarkControl() {
  resetTextControl();
  font_->reset();
  checked_ = false;
  markSize_ = kDefaultMarkSize;
  hover_.clear();
  clickListeners_.clear();
  changedListeners_.clear();
}

}  // namespace s::gui::win
