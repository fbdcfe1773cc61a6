#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/gui/IWindowMenu.h"
#include "s/gui/NativeMenu.h"
#include "s/gui/NativeWindow.h"
#include "s/gui/drawer/IMenuCaption.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/thread/IPoolable.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {

// A native pop-up menu of items and sub-menus whose texts follow the language. Positions count
// every entry (items, separators and sub-menus) in the order they were added. Operations by
// command id or user value look into the sub-menus when the menu has no such item itself;
// separators have no command id. A selection is reported to the selection listeners as
// (menu, 0); they ask for lastSelectedCommandId().
class IPopupMenu : public s::gui::events::IEventListener,
                   public s::base::IObject,
                   public s::thread::IPoolable,
                   public s::gui::drawer::IMenuCaption,
                   public s::gui::IWindowMenu {
 public:
  using MenuItem = s::gui::menuitem::MenuItem;
  using Localizer = s::lang::Localizer;
  using IEventListener = s::gui::events::IEventListener;

  // The code of a selection.
  static constexpr std::int32_t kSelected = 0;

  // Appends item (a separator too); the menu owns it from now on. Returns it.
  virtual MenuItem* addItem(s::base::Owned<MenuItem> item) = 0;
  // Appends subMenu under its title; the menu owns it from now on. Returns it.
  virtual IPopupMenu* addSubMenu(s::base::Owned<IPopupMenu> subMenu) = 0;
  // Removes and releases every entry.
  virtual void removeAll() = 0;
  virtual bool removeAt(std::uint32_t position) = 0;
  virtual bool removeCommandId(std::int32_t commandId) = 0;
  virtual bool removeUserValue(std::int32_t userValue) = 0;

  // The item, wherever in this menu or its sub-menus it is; null when none has the key.
  virtual MenuItem* itemByCommandId(std::int32_t commandId) const = 0;
  virtual MenuItem* itemByUserValue(std::int32_t userValue) const = 0;
  bool hasCommandId(std::int32_t commandId) const override = 0;
  // The position of an own item.
  virtual bool indexOfCommandId(std::int32_t commandId, std::uint32_t* position) const = 0;
  virtual bool indexOfUserValue(std::int32_t userValue, std::uint32_t* position) const = 0;

  // Lets an own sub-menu be opened, or greys it.
  virtual bool enableSubMenu(const IPopupMenu* subMenu, bool on) = 0;
  virtual bool enableItem(std::int32_t commandId, bool on) = 0;

  // Follows the localizer's language from now on (null: none).
  virtual void setLocalizer(Localizer* localizer) = 0;
  virtual Localizer* localizer() const = 0;
  // Every item's text from its entry id, checks and radio marks applied again, the sub-menus'
  // titles and the sub-menus that follow no language of their own.
  virtual void refreshAllTexts() = 0;

  virtual bool isChecked(std::int32_t commandId) const = 0;
  // Touches the platform only when the state changes; false when no item has the id.
  virtual bool setChecked(std::int32_t commandId, bool on) = 0;
  // The text shown is the entry's when the item has an entry id.
  virtual bool setText(std::int32_t commandId, const char16_t* text) = 0;
  virtual bool setTextEntryId(std::int32_t commandId, std::int32_t entryId) = 0;

  // The entry's text when a title entry id is set, else the literal title.
  virtual const char16_t* title() const = 0;
  virtual std::int32_t titleEntryId() const = 0;
  virtual void setTitleEntryId(std::int32_t entryId) = 0;
  virtual void setTitleText(const char16_t* text) = 0;
  // Whether the menu, as a sub-menu or a menu bar's title, can be opened.
  virtual bool isEnabled() const = 0;
  // The menu that holds this one shows the change at once.
  virtual void setEnabled(bool on) = 0;

  // Radio-checks position checked among [first, last]: the others there lose check and mark.
  virtual bool radioCheck(std::uint32_t first, std::uint32_t last, std::uint32_t checked) = 0;
  // The same over the whole menu.
  virtual bool radioCheckAll(std::uint32_t checked) = 0;
  // The same over the whole menu that holds the item.
  virtual bool radioCheckCommandId(std::int32_t commandId) = 0;
  virtual bool radioCheckUserValue(std::int32_t userValue) = 0;

  virtual std::int32_t lastSelectedCommandId() const = 0;
  // Not owned; each must stay alive while the menu does.
  virtual void addSelectionListener(IEventListener* listener) = 0;
  virtual bool removeSelectionListener(IEventListener* listener) = 0;
  // Stores the command id and tells the selection listeners.
  void select(std::int32_t commandId) override = 0;

  // Shows the menu with its bottom-left corner at the screen point, owned by window; returns
  // when it has closed.
  void showAt(std::int32_t x, std::int32_t y, NativeWindow window) override = 0;
  // Shows it with its top-left corner at the screen point (under a menu bar's title).
  virtual bool showBelow(std::int32_t x, std::int32_t y, NativeWindow window) = 0;
  // The window that the menu's WM_INITMENUPOPUP is routed to.
  virtual void setMenuData(NativeWindow window) = 0;
  // Created on first use.
  virtual NativeMenu nativeMenu() = 0;
  // A pop-up is never a window's native menu bar.
  void* nativeMenuBar() const override { return nullptr; }
  virtual bool isCreated() const = 0;

  // Entries: items, separators and sub-menus.
  virtual std::uint32_t count() const = 0;

  // The menu that holds this one as a sub-menu, null for none; kept by that menu.
  virtual IPopupMenu* parentMenu() const = 0;
  virtual void setParentMenu(IPopupMenu* parent) = 0;
  // Shows an own sub-menu's current title and enabled state.
  virtual void updateSubMenuEntry(const IPopupMenu* subMenu) = 0;
};

}  // namespace s::gui
