#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/gui/drawer/IMenuCaption.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::lang {
class Localizer;
}

namespace s::gui::menuitem {

// One command of a menu, or a separator. Its text is either literal or the text of a language
// entry, looked up again whenever the menu that holds it refreshes. As a title of a menu bar it
// is a command title.
class MenuItem final : public s::base::IObject,
                       public s::thread::IPoolable,
                       public s::gui::drawer::IMenuCaption {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;
  using Localizer = s::lang::Localizer;
  using Colour = s::gui::drawer::Colour;

  // The entry id of a literal text.
  static constexpr std::int32_t kLiteral = -1;
  // The caption colour of a disabled command title.
  static constexpr Colour kDisabledColour = s::gui::drawer::rgb(128, 128, 128);

  MenuItem();
  ~MenuItem() override;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const char16_t* className() const override { return u"s_gui_menuitem_MenuItem"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // An enabled command without text, id, localizer or marks.
  void reset() override;

  // May be null; not owned.
  Localizer* localizer() const { return localizer_; }
  void setLocalizer(Localizer* localizer) { localizer_ = localizer; }

  const StrBuffer& text() const { return *text_; }
  void setText(const char16_t* text) { text_->setText(text != nullptr ? text : u""); }
  std::int32_t textEntryId() const { return textEntryId_; }
  void setTextEntryId(std::int32_t id) { textEntryId_ = id; }
  // Takes the text of the entry id through the localizer; false (text kept) for a literal text
  // or without a localizer.
  bool refreshText();

  std::int32_t commandId() const { return commandId_; }
  void setCommandId(std::int32_t id) { commandId_ = id; }
  bool isChecked() const { return checked_; }
  void setChecked(bool on) { checked_ = on; }
  // Set by the radio-check operations: the item shows a bullet rather than a tick.
  bool isRadio() const { return radio_; }
  void setRadio(bool on) { radio_ = on; }
  bool isSeparator() const { return separator_; }
  void setSeparator(bool on) { separator_ = on; }
  // A second key by which a menu finds the item.
  std::int32_t userValue() const { return userValue_; }
  void setUserValue(std::int32_t value) { userValue_ = value; }
  // Kept so that a menu can give a disabled item its state back after replacing its text.
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool on) { enabled_ = on; }

  const char16_t* caption() const override { return text_->text(); }
  // A disabled command title is drawn grey.
  Colour adjustColour(Colour colour) const override { return enabled_ ? colour : kDisabledColour; }

 private:
  Localizer* localizer_ = nullptr;
  s::base::Owned<StrBuffer> text_;
  std::int32_t textEntryId_ = kLiteral;
  std::int32_t commandId_ = 0;
  bool checked_ = false;
  bool radio_ = false;
  bool separator_ = false;
  std::int32_t userValue_ = 0;
  bool enabled_ = true;
};

// An item showing the text of entry textEntryId (MenuItem::kLiteral: no text yet), looked up in
// localizer when one is given.
s::base::Owned<MenuItem> newMenuItem(std::int32_t textEntryId, s::lang::Localizer* localizer,
                                     std::int32_t commandId, bool checked);
// An item with a literal text.
s::base::Owned<MenuItem> newMenuItemWithText(const char16_t* text, std::int32_t commandId,
                                             bool checked);
// A separator: no text, no command.
s::base::Owned<MenuItem> newSeparator();

}  // namespace s::gui::menuitem
