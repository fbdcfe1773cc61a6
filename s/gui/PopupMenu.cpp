#include "s/gui/PopupMenu.h"

#include "s/gui/INativeMenus.h"
#include "s/lang/Lang.h"
#include "s/lang/Localizer.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

using s::gui::INativeMenus;
using s::gui::nativeMenus;
using s::gui::menuitem::MenuItem;

namespace {

std::uintptr_t handleAsItem(NativeMenu menu) { return reinterpret_cast<std::uintptr_t>(menu); }

std::uintptr_t commandAsItem(std::int32_t commandId) {
  return static_cast<std::uintptr_t>(static_cast<std::uint32_t>(commandId));
}

// An item's text again from its entry id, when it has one and a localizer is at hand.
void refreshItemText(MenuItem& item, s::lang::Localizer* fallback) {
  if (item.textEntryId() == MenuItem::kLiteral) return;
  s::lang::Localizer* localizer = item.localizer() != nullptr ? item.localizer() : fallback;
  if (localizer != nullptr) item.setText(s::lang::textOf(*localizer, item.textEntryId()));
}

}  // namespace

template <class Test>
bool PopupMenu::anySubMenu(Test test) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    IPopupMenu* subMenu = subMenuAt(i);
    if (subMenu != nullptr && test(*subMenu)) return true;
  }
  return false;
}

PopupMenu::PopupMenu() : title_(s::thread::obtain<s::str::strbuffer::StrBuffer>()) {}

PopupMenu::~PopupMenu() = default;

s::base::IObject* PopupMenu::newInstance() const { return s::thread::takeFromPool<PopupMenu>(); }

void PopupMenu::release() { s::thread::giveBackToPool(this); }

void PopupMenu::reset() {
  removeAll();
  if (native_ != nullptr) nativeMenus().destroyMenu(native_);
  native_ = nullptr;
  created_ = false;
  setLocalizer(nullptr);
  title_->clear();
  titleEntryId_ = MenuItem::kLiteral;
  listeners_.clear();
  lastSelected_ = -1;
  enabled_ = true;
  parent_ = nullptr;
}

void PopupMenu::event(s::base::IObject* source, std::int32_t) {
  if (localizer_ == nullptr || source != static_cast<s::base::IObject*>(localizer_)) return;
  refreshAllTexts();
  if (parent_ != nullptr) parent_->updateSubMenuEntry(this);
}

NativeMenu PopupMenu::nativeMenu() {
  if (!created_) {
    native_ = nativeMenus().createPopupMenu();
    created_ = native_ != nullptr;
  }
  return native_;
}

MenuItem* PopupMenu::itemAt(std::uint32_t position) const {
  return isItemAt(position) ? static_cast<MenuItem*>(entries_.pointerAt(position)) : nullptr;
}

s::gui::IPopupMenu* PopupMenu::subMenuAt(std::uint32_t position) const {
  return isItemAt(position) ? nullptr : static_cast<IPopupMenu*>(entries_.pointerAt(position));
}

s::lang::Localizer* PopupMenu::textLocalizer() const {
  for (const IPopupMenu* menu = this; menu != nullptr; menu = menu->parentMenu()) {
    if (menu->localizer() != nullptr) return menu->localizer();
  }
  return nullptr;
}

MenuItem* PopupMenu::addItem(s::base::Owned<MenuItem> item) {
  if (!item) return nullptr;
  NativeMenu menu = nativeMenu();
  MenuItem* added = item.detach();
  const std::uint32_t position = entries_.count();
  entries_.appendPointer(added);
  kinds_.add(kItem);
  INativeMenus& menus = nativeMenus();
  if (added->isSeparator()) {
    menus.append(menu, INativeMenus::kSeparator, 0, nullptr);
    return added;
  }
  refreshItemText(*added, textLocalizer());
  menus.append(menu, INativeMenus::kString | (added->isEnabled() ? 0 : INativeMenus::kGrayed),
               commandAsItem(added->commandId()), added->text().text());
  if (added->isChecked()) {
    if (added->isRadio()) {
      menus.checkRadio(menu, position, position, position);
    } else {
      menus.check(menu, position, INativeMenus::kByPosition | INativeMenus::kChecked);
    }
  }
  return added;
}

std::uint32_t PopupMenu::subMenuFlags(const IPopupMenu& subMenu) const {
  return subMenu.isEnabled() ? INativeMenus::kPopup : INativeMenus::kDisabledPopup;
}

s::gui::IPopupMenu* PopupMenu::addSubMenu(s::base::Owned<IPopupMenu> subMenu) {
  if (!subMenu) return nullptr;
  NativeMenu menu = nativeMenu();
  IPopupMenu* added = subMenu.detach();
  added->setParentMenu(this);
  entries_.appendPointer(added);
  kinds_.add(kSubMenu);
  nativeMenus().append(menu, subMenuFlags(*added), handleAsItem(added->nativeMenu()),
                       added->title());
  return added;
}

void PopupMenu::releaseEntry(std::uint32_t position) {
  if (MenuItem* item = itemAt(position)) {
    item->release();
  } else if (IPopupMenu* subMenu = subMenuAt(position)) {
    subMenu->setParentMenu(nullptr);
    subMenu->release();
  }
}

bool PopupMenu::removeAt(std::uint32_t position) {
  if (position >= entries_.count()) return false;
  // RemoveMenu rather than DeleteMenu: a sub-menu destroys its own handle when released.
  nativeMenus().removeAt(native_, position);
  releaseEntry(position);
  entries_.removeAt(position);
  kinds_.removeRange(position, 1);
  return true;
}

void PopupMenu::removeAll() {
  for (std::uint32_t position = entries_.count(); position > 0; --position) removeAt(position - 1);
}

bool PopupMenu::removeCommandId(std::int32_t commandId) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) return removeAt(position);
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.removeCommandId(commandId); });
}

bool PopupMenu::removeUserValue(std::int32_t userValue) {
  std::uint32_t position = 0;
  if (indexOfUserValue(userValue, &position)) return removeAt(position);
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.removeUserValue(userValue); });
}

bool PopupMenu::indexOfCommandId(std::int32_t commandId, std::uint32_t* position) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    const MenuItem* item = itemAt(i);
    // A separator's command id is 0, like the first language's: it is never a command.
    if (item != nullptr && !item->isSeparator() && item->commandId() == commandId) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool PopupMenu::indexOfUserValue(std::int32_t userValue, std::uint32_t* position) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    const MenuItem* item = itemAt(i);
    if (item != nullptr && !item->isSeparator() && item->userValue() == userValue) {
      *position = i;
      return true;
    }
  }
  return false;
}

MenuItem* PopupMenu::itemByCommandId(std::int32_t commandId) const {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) return itemAt(position);
  MenuItem* found = nullptr;
  anySubMenu(
      [&](IPopupMenu& subMenu) { return (found = subMenu.itemByCommandId(commandId)) != nullptr; });
  return found;
}

MenuItem* PopupMenu::itemByUserValue(std::int32_t userValue) const {
  std::uint32_t position = 0;
  if (indexOfUserValue(userValue, &position)) return itemAt(position);
  MenuItem* found = nullptr;
  anySubMenu(
      [&](IPopupMenu& subMenu) { return (found = subMenu.itemByUserValue(userValue)) != nullptr; });
  return found;
}

bool PopupMenu::positionOfSubMenu(const IPopupMenu* subMenu, std::uint32_t* position) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    if (subMenu != nullptr && subMenuAt(i) == subMenu) {
      *position = i;
      return true;
    }
  }
  return false;
}

void PopupMenu::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  if (parent_ != nullptr) parent_->updateSubMenuEntry(this);
}

bool PopupMenu::enableSubMenu(const IPopupMenu* subMenu, bool on) {
  std::uint32_t position = 0;
  if (!positionOfSubMenu(subMenu, &position)) return false;
  subMenuAt(position)->setEnabled(on);
  return true;
}

void PopupMenu::updateSubMenuEntry(const IPopupMenu* subMenu) {
  std::uint32_t position = 0;
  if (!positionOfSubMenu(subMenu, &position)) return;
  IPopupMenu* held = subMenuAt(position);
  nativeMenus().modify(native_, position, INativeMenus::kByPosition | subMenuFlags(*held),
                       handleAsItem(held->nativeMenu()), held->title());
}

bool PopupMenu::enableItem(std::int32_t commandId, bool on) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) {
    itemAt(position)->setEnabled(on);
    nativeMenus().enable(
        native_, position,
        INativeMenus::kByPosition | (on ? INativeMenus::kEnabled : INativeMenus::kGrayed));
    return true;
  }
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.enableItem(commandId, on); });
}

void PopupMenu::setLocalizer(Localizer* localizer) {
  if (localizer == localizer_) return;
  if (localizer_ != nullptr) localizer_->removeListener(this);
  localizer_ = localizer;
  if (localizer_ == nullptr) return;
  localizer_->addListener(this);
  // Entries added before the menu knew its language show their entries' texts now.
  if (entries_.count() > 0) refreshAllTexts();
}

void PopupMenu::showItem(std::uint32_t position) {
  MenuItem* item = itemAt(position);
  if (item == nullptr || item->isSeparator()) return;
  refreshItemText(*item, textLocalizer());
  // The replaced entry takes its check and enabled states from the flags; a radio mark needs
  // the radio call again.
  const bool plainCheck = item->isChecked() && !item->isRadio();
  INativeMenus& menus = nativeMenus();
  menus.modify(native_, position,
               INativeMenus::kByPosition | INativeMenus::kString |
                   (item->isEnabled() ? 0 : INativeMenus::kGrayed) |
                   (plainCheck ? INativeMenus::kChecked : 0),
               commandAsItem(item->commandId()), item->text().text());
  if (item->isChecked() && item->isRadio()) menus.checkRadio(native_, position, position, position);
}

void PopupMenu::refreshAllTexts() {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    if (isItemAt(i)) {
      showItem(i);
      continue;
    }
    IPopupMenu* subMenu = subMenuAt(i);
    // A sub-menu with a localizer of its own hears the change itself.
    if (subMenu->localizer() == nullptr) subMenu->refreshAllTexts();
    updateSubMenuEntry(subMenu);
  }
}

bool PopupMenu::isChecked(std::int32_t commandId) const {
  const MenuItem* item = itemByCommandId(commandId);
  return item != nullptr && item->isChecked();
}

bool PopupMenu::setChecked(std::int32_t commandId, bool on) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) {
    MenuItem* item = itemAt(position);
    if (item->isChecked() == on) return true;
    item->setChecked(on);
    if (!on) item->setRadio(false);
    nativeMenus().check(
        native_, position,
        INativeMenus::kByPosition | (on ? INativeMenus::kChecked : INativeMenus::kUnchecked));
    return true;
  }
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.setChecked(commandId, on); });
}

bool PopupMenu::setText(std::int32_t commandId, const char16_t* text) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) {
    itemAt(position)->setText(text);
    showItem(position);
    return true;
  }
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.setText(commandId, text); });
}

bool PopupMenu::setTextEntryId(std::int32_t commandId, std::int32_t entryId) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) {
    itemAt(position)->setTextEntryId(entryId);
    showItem(position);
    return true;
  }
  return anySubMenu(
      [&](IPopupMenu& subMenu) { return subMenu.setTextEntryId(commandId, entryId); });
}

const char16_t* PopupMenu::title() const {
  if (titleEntryId_ != MenuItem::kLiteral) {
    if (Localizer* localizer = textLocalizer()) return s::lang::textOf(*localizer, titleEntryId_);
  }
  return title_->text();
}

void PopupMenu::setTitleEntryId(std::int32_t entryId) {
  nativeMenu();
  titleEntryId_ = entryId;
  if (parent_ != nullptr) parent_->updateSubMenuEntry(this);
}

void PopupMenu::setTitleText(const char16_t* text) {
  nativeMenu();
  title_->setText(text != nullptr ? text : u"");
  if (parent_ != nullptr) parent_->updateSubMenuEntry(this);
}

bool PopupMenu::radioCheck(std::uint32_t first, std::uint32_t last, std::uint32_t checked) {
  if (entries_.count() == 0) return false;
  if (last >= entries_.count()) last = entries_.count() - 1;
  if (first > last || checked < first || checked > last) return false;
  if (!nativeMenus().checkRadio(native_, first, last, checked)) return false;
  for (std::uint32_t i = first; i <= last; ++i) {
    MenuItem* item = itemAt(i);
    if (item == nullptr || item->isSeparator()) continue;
    item->setRadio(i == checked);
    item->setChecked(i == checked);
  }
  return true;
}

bool PopupMenu::radioCheckAll(std::uint32_t checked) {
  return entries_.count() > 0 && radioCheck(0, entries_.count() - 1, checked);
}

bool PopupMenu::radioCheckCommandId(std::int32_t commandId) {
  std::uint32_t position = 0;
  if (indexOfCommandId(commandId, &position)) return radioCheckAll(position);
  // A sub-menu without the item changes nothing and answers false.
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.radioCheckCommandId(commandId); });
}

bool PopupMenu::radioCheckUserValue(std::int32_t userValue) {
  std::uint32_t position = 0;
  if (indexOfUserValue(userValue, &position)) return radioCheckAll(position);
  // A sub-menu without the item changes nothing and answers false.
  return anySubMenu([&](IPopupMenu& subMenu) { return subMenu.radioCheckUserValue(userValue); });
}

void PopupMenu::addSelectionListener(IEventListener* listener) {
  if (listener != nullptr) listeners_.appendPointer(listener);
}

bool PopupMenu::removeSelectionListener(IEventListener* listener) {
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    if (listeners_.pointerAt(i) == listener) {
      listeners_.removeAt(i);
      return true;
    }
  }
  return false;
}

void PopupMenu::select(std::int32_t commandId) {
  lastSelected_ = commandId;
  // By index, re-reading the count: a listener may add another while being told.
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    static_cast<IEventListener*>(listeners_.pointerAt(i))->event(this, kSelected);
  }
}

void PopupMenu::showAt(std::int32_t x, std::int32_t y, NativeWindow window) {
  NativeMenu menu = nativeMenu();
  if (menu != nullptr) nativeMenus().track(menu, INativeMenus::kShowAtFlags, x, y, window);
}

bool PopupMenu::showBelow(std::int32_t x, std::int32_t y, NativeWindow window) {
  NativeMenu menu = nativeMenu();
  return menu != nullptr && nativeMenus().track(menu, INativeMenus::kShowBelowFlags, x, y, window);
}

void PopupMenu::setMenuData(NativeWindow window) {
  NativeMenu menu = nativeMenu();
  if (menu != nullptr) nativeMenus().setMenuData(menu, window);
}

PopupMenu::Colour PopupMenu::adjustColour(Colour colour) const {
  return enabled_ ? colour : MenuItem::kDisabledColour;
}

}  // namespace s::gui::win
