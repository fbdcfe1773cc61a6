#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/LeafComponent.h"
#include "s/gui/events/IEventListener.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::lang {
class Localizer;
}

namespace s::gui::win {

// What the captioned controls share: a text, or a language entry whose text is shown in the
// current language and shown again after every language change. The texts come from the
// localizer set on the control, else from the owning window's.
class TextControl : public s::gui::LeafComponent, public s::gui::events::IEventListener {
 public:
  ~TextControl() override;

  const s::str::strbuffer::StrBuffer& text() const { return *text_; }
  // -1 for none: the text then stays as it is.
  void setTextEntryId(std::int32_t id);
  std::int32_t textEntryId() const { return entryId_; }
  // The localizer of this control's texts; null means the owning window's.
  void setLocalizer(s::lang::Localizer* localizer);
  s::lang::Localizer* localizer() const;

  // Hears the localizer's language changes.
  void event(s::base::IObject* source, std::int32_t code) override;
  // Entering a window's tree shows the entry's text and follows the language from then on;
  // leaving it stops following.
  void setParent(s::gui::IComponent* parent) override;

 protected:
  TextControl();
  // Shows a new text: the control stores it (storeText) and resizes and repaints as it must.
  virtual void applyText(const char16_t* text) = 0;
  // What an entry shows while no localizer is at hand; nothing by default.
  virtual void entryWithoutLocalizer() {}
  void storeText(const char16_t* text) { text_->setText(text != nullptr ? text : u""); }
  // Looks the entry's text up again and applies it.
  void refreshEntryText();
  // Stops following the language and forgets text, entry and localizer; then resets the leaf.
  void resetTextControl();

 private:
  void follow(s::lang::Localizer* localizer);

  s::base::Owned<s::str::strbuffer::StrBuffer> text_;
  std::int32_t entryId_ = -1;
  s::lang::Localizer* localizer_ = nullptr;
  s::lang::Localizer* followed_ = nullptr;
};

}  // namespace s::gui::win
