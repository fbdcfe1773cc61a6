#include "s/gui/win/TextField.h"

#include <vector>

#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

// WM_COMMAND with EN_CHANGE, reflected to the field.
constexpr UINT kReflectedChange = 32780;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

TextField::TextField() : font_(s::thread::obtain<Font>()) {}

s::base::IObject* TextField::newInstance() const { return s::thread::takeFromPool<TextField>(); }

void TextField::release() { s::thread::giveBackToPool(this); }

void TextField::reset() {
  resetTextControl();
  subclass_.detach();
  font_->reset();
  editable_ = true;
  settingText_ = false;
  changed_.clear();
}

const s::str::strbuffer::StrBuffer& TextField::currentText() {
  HWND field = window();
  if (field != nullptr) {
    std::vector<wchar_t> typed(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, 0);
    GetWindowTextW(field, typed.data(), static_cast<int>(typed.size()));
    storeText(reinterpret_cast<const char16_t*>(typed.data()));
  }
  return text();
}

void TextField::setEditable(bool editable) {
  editable_ = editable;
  if (window() != nullptr) SendMessageW(window(), EM_SETREADONLY, editable ? FALSE : TRUE, 0);
}

bool TextField::setFontSizeCode(std::int32_t code) {
  if (!font_->setSizeCode(code)) return false;
  if (window() != nullptr) {
    SendMessageW(window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_->handle()), TRUE);
  }
  resize();
  return true;
}

void TextField::applyText(const char16_t* text) {
  storeText(text);
  if (window() == nullptr) return;
  settingText_ = true;
  SetWindowTextW(window(), wide(this->text().text()));
  settingText_ = false;
}

s::gui::NativeWindow TextField::createNativeWindow(s::gui::NativeWindow parent) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
  if (isVisible()) style |= WS_VISIBLE;
  if (!editable_) style |= ES_READONLY;
  HWND field =
      subclass_.create(L"EDIT", WS_EX_CLIENTEDGE, wide(text().text()), style, x() + offsetX(),
                       y() + offsetY(), width(), height(), static_cast<HWND>(parent), this);
  if (field != nullptr) {
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font_->handle()), FALSE);
  }
  return field;
}

void TextField::setParent(s::gui::IComponent* parent) {
  TextControl::setParent(parent);
  if (parent != nullptr && window() != nullptr) resize();
}

void TextField::resize() {
  HWND field = window();
  if (field == nullptr) return;
  HDC dc = GetDC(field);
  if (dc == nullptr) return;
  HGDIOBJ previous = SelectObject(dc, font_->handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(field, dc);
  // Room for the sunken edge and the caret above and below the text.
  const std::int32_t lineHeight = metrics.tmHeight + 8;
  setDefaultSizes(20, lineHeight, 100, lineHeight);
  relayoutParent();
}

bool TextField::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
  if (message == kReflectedChange) {
    if (!settingText_) changed_.fire(this, kChanged);
    *result = 0;
    return true;
  }
  return TextControl::preHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
