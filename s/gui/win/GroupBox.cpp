#include "s/gui/win/GroupBox.h"

#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/ControlPaint.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

constexpr std::int32_t kInset = 6;

}  // namespace

GroupBox::GroupBox()
    : text_(s::str::strbuffer::newStr()),
      font_(s::thread::obtain<Font>()),
      ownDrawer_(s::thread::obtain<s::gui::drawer::groupbox::win::Thin>()) {
  setMargins(kInset, kInset, kInset * 2, kInset);
}

s::base::IObject* GroupBox::newInstance() const { return s::thread::takeFromPool<GroupBox>(); }

void GroupBox::release() { s::thread::giveBackToPool(this); }

void GroupBox::reset() {
  resetContainer();
  text_->setText(u"");
  font_->reset();
  drawer_.set(nullptr, false);
  setMargins(kInset, kInset, kInset * 2, kInset);
}

void GroupBox::setText(const char16_t* text) {
  text_->setText(text != nullptr ? text : u"");
  fitMargins();
  redraw();
}

void GroupBox::setDrawer(s::gui::drawer::IGroupBox* drawer, bool owned) {
  drawer_.set(drawer, owned);
  redraw();
}

void GroupBox::setParent(s::gui::IComponent* parent) {
  ContainerBase::setParent(parent);
  if (parent != nullptr && nativeWindow() != nullptr) fitMargins();
}

void GroupBox::fitMargins() {
  HWND box = handleOf(this);
  std::int32_t top = kInset * 2;
  if (box != nullptr && !text_->isEmpty()) {
    HDC dc = GetDC(box);
    if (dc != nullptr) {
      HGDIOBJ previous = SelectObject(dc, font_->handle());
      TEXTMETRICW metrics{};
      if (GetTextMetricsW(dc, &metrics) != 0) top = metrics.tmHeight + kInset / 2;
      SelectObject(dc, previous);
      ReleaseDC(box, dc);
    }
  }
  if (top != topMargin()) setMargins(kInset, kInset, top, kInset);
}

void GroupBox::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::win::DcSurface surface(dc);
  const s::gui::win::FontSetting setting = font_->settingOver(s::gui::win::FontSetting());
  drawer()->paint(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom},
                  text_->text(), &setting, isEnabled());
}

bool GroupBox::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
  switch (message) {
    case WM_PAINT:
      paintWindow(handleOf(this), [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    default:
      return ContainerBase::preHandle(result, message, wParam, lParam);
  }
}

void GroupBox::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
  // Like an empty box, the frame lets clicks through.
  if (message == WM_NCHITTEST && *result == HTCLIENT) {
    *result = HTTRANSPARENT;
    return;
  }
  ContainerBase::postHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
