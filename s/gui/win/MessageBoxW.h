#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

// The program's modal messages: the platform's message box over the calling thread's active
// window, captioned with the program file's name. Each call runs a modal loop on the calling
// thread and returns when the user has answered.
//
// Within this namespace the name hides the platform's function of the same name: code here
// calls that one as ::MessageBoxW.
class MessageBoxW final : public s::base::IObject, public s::thread::IPoolable {
 public:
  MessageBoxW();

  const char16_t* className() const override { return u"s_gui_win_MessageBox"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Application-modal, no text.
  void reset() override;

  // The style selectors: modal to the application (0, the default), the system (1) or the
  // calling thread's windows (2).
  void useApplicationModal() { style_ = 0; }
  void useSystemModal() { style_ = 1; }
  void useTaskModal() { style_ = 2; }
  std::int32_t style() const { return style_; }
  // The text of the last message shown.
  const s::str::strbuffer::StrBuffer& text() const { return *text_; }

  // Each answers false when the box could not be shown.
  bool information(const char16_t* text);
  bool warning(const char16_t* text);
  bool error(const char16_t* text);
  // True for yes.
  bool askYesNo(const char16_t* text);
  // True for yes (*yes set) and for no (*yes cleared); false on cancel, *yes untouched.
  bool askYesNoCancel(const char16_t* text, bool* yes);

 private:
  std::int32_t show(const char16_t* text, std::uint32_t flags);

  std::int32_t style_ = 0;
  s::base::Owned<s::str::strbuffer::StrBuffer> text_;
};

// The library's routines: each takes a message box from its pool, shows it and gives it back.
void showInformationMessage(const char16_t* text);
void showErrorMessage(const char16_t* text);
bool askYesNoQuestion(const char16_t* text);

}  // namespace s::gui::win
