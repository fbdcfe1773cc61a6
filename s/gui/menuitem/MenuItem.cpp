#include "s/gui/menuitem/MenuItem.h"

#include "s/lang/Lang.h"
#include "s/thread/Pool.h"

namespace s::gui::menuitem {

MenuItem::MenuItem() : text_(s::thread::obtain<StrBuffer>()) {}

MenuItem::~MenuItem() = default;

s::base::IObject* MenuItem::newInstance() const { return s::thread::takeFromPool<MenuItem>(); }

void MenuItem::release() { s::thread::giveBackToPool(this); }

void MenuItem::reset() {
  localizer_ = nullptr;
  text_->clear();
  textEntryId_ = kLiteral;
  commandId_ = 0;
  checked_ = false;
  radio_ = false;
  separator_ = false;
  userValue_ = 0;
  enabled_ = true;
}

bool MenuItem::refreshText() {
  if (textEntryId_ == kLiteral || localizer_ == nullptr) return false;
  text_->setText(s::lang::textOf(*localizer_, textEntryId_));
  return true;
}

s::base::Owned<MenuItem> newMenuItem(std::int32_t textEntryId, s::lang::Localizer* localizer,
                                     std::int32_t commandId, bool checked) {
  s::base::Owned<MenuItem> item = s::thread::obtain<MenuItem>();
  item->setLocalizer(localizer);
  item->setTextEntryId(textEntryId);
  item->refreshText();
  item->setCommandId(commandId);
  item->setChecked(checked);
  return item;
}

s::base::Owned<MenuItem> newMenuItemWithText(const char16_t* text, std::int32_t commandId,
                                             bool checked) {
  s::base::Owned<MenuItem> item = s::thread::obtain<MenuItem>();
  item->setText(text);
  item->setCommandId(commandId);
  item->setChecked(checked);
  return item;
}

s::base::Owned<MenuItem> newSeparator() {
  s::base::Owned<MenuItem> item = s::thread::obtain<MenuItem>();
  item->setSeparator(true);
  return item;
}

}  // namespace s::gui::menuitem
