#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/col/_array/NumberArray.h"
#include "s/gui/IPopupMenu.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/str/strbuffer/StrBuffer.h"

// Windows-facing name; the menu's logic is portable and every platform call goes through the
// menu seam (s/gui/INativeMenus.h).
namespace s::gui::win {

// A native pop-up menu; the native menu is created on first use. Taken from its pool it is
// empty, untitled, enabled and follows no language.
class PopupMenu final : public s::gui::IPopupMenu {
 public:
  using Colour = s::gui::drawer::Colour;

  PopupMenu();
  ~PopupMenu() override;
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  const char16_t* className() const override { return u"s_gui_win_PopupMenu"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Releases every entry, destroys the native menu, stops following the language and forgets
  // every listener.
  void reset() override;

  // From the localizer (a language change): every text again.
  void event(s::base::IObject* source, std::int32_t code) override;

  MenuItem* addItem(s::base::Owned<MenuItem> item) override;
  IPopupMenu* addSubMenu(s::base::Owned<IPopupMenu> subMenu) override;
  void removeAll() override;
  bool removeAt(std::uint32_t position) override;
  bool removeCommandId(std::int32_t commandId) override;
  bool removeUserValue(std::int32_t userValue) override;

  MenuItem* itemByCommandId(std::int32_t commandId) const override;
  MenuItem* itemByUserValue(std::int32_t userValue) const override;
  bool hasCommandId(std::int32_t commandId) const override {
    return itemByCommandId(commandId) != nullptr;
  }
  bool indexOfCommandId(std::int32_t commandId, std::uint32_t* position) const override;
  bool indexOfUserValue(std::int32_t userValue, std::uint32_t* position) const override;

  bool enableSubMenu(const IPopupMenu* subMenu, bool on) override;
  bool enableItem(std::int32_t commandId, bool on) override;

  void setLocalizer(Localizer* localizer) override;
  Localizer* localizer() const override { return localizer_; }
  void refreshAllTexts() override;

  bool isChecked(std::int32_t commandId) const override;
  bool setChecked(std::int32_t commandId, bool on) override;
  bool setText(std::int32_t commandId, const char16_t* text) override;
  bool setTextEntryId(std::int32_t commandId, std::int32_t entryId) override;

  const char16_t* title() const override;
  std::int32_t titleEntryId() const override { return titleEntryId_; }
  void setTitleEntryId(std::int32_t entryId) override;
  void setTitleText(const char16_t* text) override;
  bool isEnabled() const override { return enabled_; }
  void setEnabled(bool on) override;

  bool radioCheck(std::uint32_t first, std::uint32_t last, std::uint32_t checked) override;
  bool radioCheckAll(std::uint32_t checked) override;
  bool radioCheckCommandId(std::int32_t commandId) override;
  bool radioCheckUserValue(std::int32_t userValue) override;

  std::int32_t lastSelectedCommandId() const override { return lastSelected_; }
  void addSelectionListener(IEventListener* listener) override;
  bool removeSelectionListener(IEventListener* listener) override;
  void select(std::int32_t commandId) override;

  void showAt(std::int32_t x, std::int32_t y, NativeWindow window) override;
  bool showBelow(std::int32_t x, std::int32_t y, NativeWindow window) override;
  void setMenuData(NativeWindow window) override;
  NativeMenu nativeMenu() override;
  bool isCreated() const override { return created_; }

  std::uint32_t count() const override { return entries_.count(); }

  IPopupMenu* parentMenu() const override { return parent_; }
  void setParentMenu(IPopupMenu* parent) override { parent_ = parent; }
  void updateSubMenuEntry(const IPopupMenu* subMenu) override;

  // As a menu bar's title.
  const char16_t* caption() const override { return title(); }
  Colour adjustColour(Colour colour) const override;

 private:
  enum Kind : std::uint8_t { kItem = 0, kSubMenu = 1 };

  bool isItemAt(std::uint32_t position) const { return kinds_.at(position) == kItem; }
  MenuItem* itemAt(std::uint32_t position) const;
  IPopupMenu* subMenuAt(std::uint32_t position) const;
  // Whether test holds for a sub-menu, trying them in order.
  template <class Test>
  bool anySubMenu(Test test) const;
  bool positionOfSubMenu(const IPopupMenu* subMenu, std::uint32_t* position) const;
  // The localizer texts are looked up in: this menu's, else the holding menu's.
  Localizer* textLocalizer() const;
  // Replaces the native entry of the own item at position with its text and states.
  void showItem(std::uint32_t position);
  std::uint32_t subMenuFlags(const IPopupMenu& subMenu) const;
  void releaseEntry(std::uint32_t position);

  NativeMenu native_ = nullptr;
  bool created_ = false;
  Localizer* localizer_ = nullptr;
  s::base::Owned<s::str::strbuffer::StrBuffer> title_;
  std::int32_t titleEntryId_ = MenuItem::kLiteral;
  // Every entry in native order: a MenuItem or an IPopupMenu, by kinds_ at the same index.
  s::col::_array::ArrayP entries_;
  s::col::_array::ArrayU08 kinds_;
  s::col::_array::ArrayP listeners_;
  std::int32_t lastSelected_ = -1;
  bool enabled_ = true;
  IPopupMenu* parent_ = nullptr;
};

}  // namespace s::gui::win
