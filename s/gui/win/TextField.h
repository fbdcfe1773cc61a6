#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/ListenerList.h"
#include "s/gui/win/Subclass.h"
#include "s/gui/win/TextControl.h"

namespace s::gui::win {

// One line of editable text: the platform's EDIT control, subclassed. Each change of the text
// by the user goes to the changed listeners (code 2). The editable switch makes it read-only.
class TextField final : public TextControl {
 public:
  static constexpr std::int32_t kChanged = 2;

  TextField();

  const char16_t* className() const override { return u"s_gui_win_TextField"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  void setText(const char16_t* text) { applyText(text); }
  // What the field holds now, the user's typing included.
  const s::str::strbuffer::StrBuffer& currentText();
  void setEditable(bool editable) override;
  bool isEditable() const { return editable_; }
  Font& font() { return *font_; }
  bool setFontSizeCode(std::int32_t code);
  void addChangedListener(s::gui::events::IEventListener* listener) { changed_.add(listener); }

  void setParent(s::gui::IComponent* parent) override;
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;

 protected:
  s::gui::NativeWindow createNativeWindow(s::gui::NativeWindow parent) override;
  void applyText(const char16_t* text) override;

 private:
  HWND window() const { return static_cast<HWND>(nativeWindow()); }
  void resize();

  Subclass subclass_;
  s::base::Owned<Font> font_;
  bool editable_ = true;
  // Texts set by the program are not the user's changes.
  bool settingText_ = false;
  ListenerList changed_;
};

}  // namespace s::gui::win
