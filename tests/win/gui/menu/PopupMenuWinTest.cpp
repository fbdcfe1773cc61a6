#include <doctest/doctest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "s/gui/INativeMenus.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/ToolWindowMenus.h"
#include "support/win/KeptMenuHandles.h"
#include "support/win/ProcessWindows.h"

using s::base::Owned;
using s::gui::IPopupMenu;
using s::gui::menuitem::newMenuItem;
using s::gui::menuitem::newMenuItemWithText;
using s::gui::menuitem::newSeparator;
using s::gui::win::PopupMenu;
using s::lang::Localizer;

namespace {

HMENU handleOf(IPopupMenu& menu) { return static_cast<HMENU>(menu.nativeMenu()); }

// The state flags of the entry at position; a sub-menu's item count (the high byte) left out.
UINT stateAt(IPopupMenu& menu, UINT position) {
  const UINT state = GetMenuState(handleOf(menu), position, MF_BYPOSITION);
  return (state & MF_POPUP) != 0 ? state & 0xFF : state;
}

std::u16string textAt(IPopupMenu& menu, UINT position) {
  wchar_t text[256] = {};
  GetMenuStringW(handleOf(menu), position, text, 256, MF_BYPOSITION);
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

std::vector<UINT> checkedPositions(IPopupMenu& menu) {
  std::vector<UINT> checked;
  const int count = GetMenuItemCount(handleOf(menu));
  for (int i = 0; i < count; ++i) {
    if ((stateAt(menu, static_cast<UINT>(i)) & MF_CHECKED) != 0) {
      checked.push_back(static_cast<UINT>(i));
    }
  }
  return checked;
}

bool hasRadioMark(IPopupMenu& menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(handleOf(menu), position, TRUE, &info);
  return (info.fType & MFT_RADIOCHECK) != 0;
}

}  // namespace

TEST_CASE("native menu states read back as the items hold them: checks, radio marks, greying") {
  auto menu = s::thread::obtain<PopupMenu>();
  menu->addItem(newMenuItemWithText(u"One", 1, true));
  menu->addItem(newMenuItemWithText(u"Two", 2, false));
  menu->addItem(newSeparator());
  menu->addItem(newMenuItemWithText(u"Three", 3, false));
  auto sub = s::thread::obtain<PopupMenu>();
  sub->setTitleText(u"More");
  sub->addItem(newMenuItemWithText(u"Deep", 9, false));
  IPopupMenu* more = menu->addSubMenu(std::move(sub));
  REQUIRE(GetMenuItemCount(handleOf(*menu)) == 5);
  CHECK(GetSubMenu(handleOf(*menu), 4) == handleOf(*more));
  CHECK(textAt(*menu, 4) == u"More");
  CHECK(checkedPositions(*menu) == std::vector<UINT>{0});

  CHECK(menu->setChecked(2, true));
  CHECK(menu->setChecked(1, false));
  CHECK(checkedPositions(*menu) == std::vector<UINT>{1});

  // A command id only the sub-menu has.
  CHECK(menu->hasCommandId(9));
  CHECK(menu->setChecked(9, true));
  CHECK(menu->isChecked(9));
  CHECK((stateAt(*more, 0) & MF_CHECKED) != 0);
  CHECK(menu->enableItem(9, false));
  CHECK((stateAt(*more, 0) & MF_GRAYED) != 0);

  CHECK(menu->radioCheck(0, 3, 3));
  CHECK(checkedPositions(*menu) == std::vector<UINT>{3});
  CHECK(hasRadioMark(*menu, 3));

  CHECK(menu->enableSubMenu(more, false));
  CHECK(stateAt(*menu, 4) == (MF_POPUP | MF_GRAYED | MF_DISABLED));
  CHECK(GetSubMenu(handleOf(*menu), 4) == handleOf(*more));
  CHECK(menu->enableSubMenu(more, true));
  CHECK(stateAt(*menu, 4) == MF_POPUP);
}

TEST_CASE("a language switch changes every text of the tool window's menus on the platform") {
  Owned<Localizer> localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  support::ToolWindowMenus menus =
      support::buildToolWindowMenus(localizer.get(), true, false, true);
  struct Expected {
    IPopupMenu* menu;
    UINT position;
    std::int32_t entry;
  };
  const UINT translate = localizer->packCount() + 1;
  const Expected expected[] = {
      {menus.view.get(), 0, 609100},  {menus.view.get(), 1, 609300},
      {menus.view.get(), 2, 609350},  {menus.language.get(), translate, 700001},
      {menus.about.get(), 0, 701100}, {menus.about.get(), 2, 701200},
      {menus.about.get(), 3, 701300}, {menus.about.get(), 5, 107000},
      {menus.about.get(), 7, 108100},
  };
  std::vector<std::u16string> english;
  for (const Expected& entry : expected) english.push_back(textAt(*entry.menu, entry.position));
  const std::uint32_t englishIndex = support::packIndexOf(*localizer, u"English");

  for (const char16_t* language : {u"German", u"Japanese"}) {
    CAPTURE(std::string(language, language + 6));
    s::lang::selectLanguageAt(*localizer, support::packIndexOf(*localizer, language));
    std::size_t changed = 0;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
      CAPTURE(i);
      const std::u16string shown = textAt(*expected[i].menu, expected[i].position);
      CHECK(shown == s::lang::textOf(*localizer, expected[i].entry));
      changed += shown != english[i] ? 1 : 0;
    }
    CHECK(changed == std::size(expected));
    CHECK(checkedPositions(*menus.view) == std::vector<UINT>{0, 2});
    CHECK(checkedPositions(*menus.language) == std::vector<UINT>{englishIndex});
    CHECK(hasRadioMark(*menus.language, englishIndex));
  }
}

TEST_CASE("radio-checking the language menu by position checks exactly one language") {
  Owned<Localizer> localizer = support::embeddedLocalizer();
  support::ToolWindowMenus menus = support::buildToolWindowMenus(localizer.get(), true, true, true);
  const std::uint32_t languages = localizer->packCount();
  for (std::uint32_t pick : {3u, 0u, languages - 1}) {
    CAPTURE(pick);
    CHECK(menus.language->radioCheckAll(pick));
    CHECK(checkedPositions(*menus.language) == std::vector<UINT>{pick});
    CHECK(hasRadioMark(*menus.language, pick));
    CHECK((stateAt(*menus.language, languages) & MF_SEPARATOR) != 0);
  }
}

TEST_CASE("building and releasing the tool window's three menus 100 times leaves nothing behind") {
  Owned<Localizer> localizer = support::embeddedLocalizer();
  const support::GuiCounts before = support::guiCounts();
  const std::uint32_t listeners = localizer->listenerCount();
  support::KeptMenuHandles kept;
  for (int round = 0; round < 100; ++round) {
    support::ToolWindowMenus menus =
        support::buildToolWindowMenus(localizer.get(), round % 2 == 0, true, false);
    menus.language->radioCheckAll(static_cast<std::uint32_t>(round) % localizer->packCount());
    if (round == 0) CHECK(kept.liveMenus() == 3);
  }
  CHECK(kept.made() == 300);
  CHECK(kept.liveMenus() == 0);
  CHECK(localizer->listenerCount() == listeners);
  CHECK(support::guiCounts() == before);
}
