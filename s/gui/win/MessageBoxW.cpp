#include "s/gui/win/MessageBoxW.h"

#include <windows.h>

#include "s/gui/MessageBoxRules.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

using s::gui::MessageKind;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The program file's name without its extension.
s::base::Owned<s::str::strbuffer::StrBuffer> programTitle() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  path[length <= MAX_PATH ? length : MAX_PATH] = 0;
  s::base::Owned<s::str::strbuffer::StrBuffer> title = s::str::strbuffer::newStr();
  s::gui::programTitleOf(reinterpret_cast<const char16_t*>(path), *title);
  return title;
}

}  // namespace

MessageBoxW::MessageBoxW() : text_(s::str::strbuffer::newStr()) {}

s::base::IObject* MessageBoxW::newInstance() const {
  return s::thread::takeFromPool<MessageBoxW>();
}

void MessageBoxW::release() { s::thread::giveBackToPool(this); }

void MessageBoxW::reset() {
  style_ = 0;
  text_->setText(u"");
}

std::int32_t MessageBoxW::show(const char16_t* text, std::uint32_t flags) {
  text_->setText(text != nullptr ? text : u"");
  const auto title = programTitle();
  // Over the active window of this thread, so that the user answers before going on there.
  return ::MessageBoxW(GetActiveWindow(), wide(text_->text()), wide(title->text()),
                       flags | s::gui::messageBoxModality(style_));
}

bool MessageBoxW::information(const char16_t* text) {
  return show(text, s::gui::messageBoxFlags(MessageKind::kInformation)) != 0;
}

bool MessageBoxW::warning(const char16_t* text) {
  return show(text, s::gui::messageBoxFlags(MessageKind::kWarning)) != 0;
}

bool MessageBoxW::error(const char16_t* text) {
  return show(text, s::gui::messageBoxFlags(MessageKind::kError)) != 0;
}

bool MessageBoxW::askYesNo(const char16_t* text) {
  const std::int32_t answer = show(text, s::gui::messageBoxFlags(MessageKind::kYesNo));
  return s::gui::questionAnswer(MessageKind::kYesNo, answer, nullptr);
}

bool MessageBoxW::askYesNoCancel(const char16_t* text, bool* yes) {
  const std::int32_t answer = show(text, s::gui::messageBoxFlags(MessageKind::kYesNoCancel));
  return s::gui::questionAnswer(MessageKind::kYesNoCancel, answer, yes);
}

void showInformationMessage(const char16_t* text) {
  s::thread::obtain<MessageBoxW>()->information(text);
}

void showErrorMessage(const char16_t* text) { s::thread::obtain<MessageBoxW>()->error(text); }

bool askYesNoQuestion(const char16_t* text) {
  return s::thread::obtain<MessageBoxW>()->askYesNo(text);
}

}  // namespace s::gui::win
