#include "s/gui/win/TextControl.h"

#include "s/gui/win/OwnerLocalizer.h"
#include "s/lang/Lang.h"

namespace s::gui::win {

TextControl::TextControl() : text_(s::str::strbuffer::newStr()) {}

TextControl::~TextControl() { follow(nullptr); }

void TextControl::setTextEntryId(std::int32_t id) {
  entryId_ = id;
  refreshEntryText();
}

void TextControl::setLocalizer(s::lang::Localizer* localizer) {
  localizer_ = localizer;
  refreshEntryText();
}

s::lang::Localizer* TextControl::localizer() const {
  return localizer_ != nullptr ? localizer_ : ownerLocalizer(*this);
}

void TextControl::refreshEntryText() {
  s::lang::Localizer* source =
      nativeWindow() != nullptr || localizer_ != nullptr ? localizer() : nullptr;
  follow(entryId_ != -1 && nativeWindow() != nullptr ? source : nullptr);
  if (entryId_ == -1) return;
  if (source == nullptr) {
    entryWithoutLocalizer();
    return;
  }
  applyText(s::lang::textOf(*source, entryId_));
}

void TextControl::event(s::base::IObject* source, std::int32_t) {
  if (source != nullptr && source == followed_) refreshEntryText();
}

void TextControl::setParent(s::gui::IComponent* parent) {
  LeafComponent::setParent(parent);
  if (parent == nullptr) {
    follow(nullptr);
  } else if (nativeWindow() != nullptr) {
    refreshEntryText();
  }
}

void TextControl::follow(s::lang::Localizer* localizer) {
  if (localizer == followed_) return;
  if (followed_ != nullptr) followed_->removeListener(this);
  followed_ = localizer;
  if (followed_ != nullptr) followed_->addListener(this);
}

void TextControl::resetTextControl() {
  follow(nullptr);
  resetLeaf();
  text_->setText(u"");
  entryId_ = -1;
  localizer_ = nullptr;
}

}  // namespace s::gui::win
