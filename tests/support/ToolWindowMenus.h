#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/lang/Lang.h"
#include "s/lang/Localizer.h"
#include "s/thread/Pool.h"
#include "support/LangDocument.h"

namespace support {

// The program's language document in a localizer of its own.
inline s::base::Owned<s::lang::Localizer> embeddedLocalizer() {
  return s::lang::createLocalizerFromUtf8(langDocumentBytes(), langDocumentSize());
}

// The position of the pack of an English language name; the pack count when there is none.
inline std::uint32_t packIndexOf(const s::lang::Localizer& localizer, const char16_t* engName) {
  std::uint32_t index = 0;
  return localizer.indexOfPack(s::lang::findPackByName(localizer, engName), &index)
             ? index
             : localizer.packCount();
}

// The tool window's three menus, built the way the program builds them.
struct ToolWindowMenus {
  s::base::Owned<s::gui::win::PopupMenu> view;
  s::base::Owned<s::gui::win::PopupMenu> language;
  s::base::Owned<s::gui::win::PopupMenu> about;
};

inline s::base::Owned<s::gui::win::PopupMenu> newTitledMenu(s::lang::Localizer* localizer,
                                                            std::int32_t titleEntry) {
  auto menu = s::thread::obtain<s::gui::win::PopupMenu>();
  menu->setLocalizer(localizer);
  menu->setTitleEntryId(titleEntry);
  return menu;
}

inline ToolWindowMenus buildToolWindowMenus(s::lang::Localizer* localizer, bool keepOnTop,
                                            bool easyDrag, bool closeByMiddleClick) {
  using s::gui::menuitem::newMenuItem;
  using s::gui::menuitem::newMenuItemWithText;
  using s::gui::menuitem::newSeparator;
  ToolWindowMenus menus;

  menus.language = newTitledMenu(localizer, 700000);
  const std::uint32_t languages = localizer->packCount();
  for (std::uint32_t i = 0; i < languages; ++i) {
    menus.language->addItem(newMenuItemWithText(localizer->packAt(i)->trueName().text(),
                                                static_cast<std::int32_t>(i), false));
  }
  menus.language->addItem(newSeparator());
  menus.language->addItem(
      newMenuItem(700001, localizer, static_cast<std::int32_t>(languages), false));
  std::uint32_t current = 0;
  if (localizer->indexOfPack(localizer->current(), &current)) {
    menus.language->radioCheckAll(current);
  }

  menus.view = newTitledMenu(localizer, 609000);
  menus.view->addItem(newMenuItem(609100, localizer, 100, keepOnTop));
  menus.view->addItem(newMenuItem(609300, localizer, 120, easyDrag));
  menus.view->addItem(newMenuItem(609350, localizer, 125, closeByMiddleClick));

  menus.about = newTitledMenu(localizer, 701000);
  menus.about->addItem(newMenuItem(701100, localizer, 10000, false));
  menus.about->addItem(newSeparator());
  menus.about->addItem(newMenuItem(701200, localizer, 10100, false));
  menus.about->addItem(newMenuItem(701300, localizer, 10200, false));
  menus.about->addItem(newSeparator());
  menus.about->addItem(newMenuItem(107000, localizer, 10900, false));
  menus.about->addItem(newSeparator());
  menus.about->addItem(newMenuItem(108100, localizer, 10950, false));
  return menus;
}

}  // namespace support
