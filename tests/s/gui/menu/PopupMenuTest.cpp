#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "s/gui/PopupMenu.h"
#include "s/gui/RecordingMenus.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "support/RecordedMenus.h"
#include "support/ToolWindowMenus.h"

using s::base::Owned;
using s::gui::INativeMenus;
using s::gui::IPopupMenu;
using s::gui::RecordingMenus;
using s::gui::menuitem::newMenuItem;
using s::gui::menuitem::newMenuItemWithText;
using s::gui::menuitem::newSeparator;
using s::gui::win::PopupMenu;
using s::lang::Localizer;

namespace {

bool isCheckedAt(const RecordingMenus& menus, IPopupMenu& menu, std::uint32_t position) {
  return (menus.stateAt(menu.nativeMenu(), position) & INativeMenus::kChecked) != 0;
}

std::vector<std::uint32_t> checkedPositions(const RecordingMenus& menus, IPopupMenu& menu) {
  std::vector<std::uint32_t> checked;
  for (std::uint32_t i = 0; i < menu.count(); ++i) {
    if (isCheckedAt(menus, menu, i)) checked.push_back(i);
  }
  return checked;
}

class SelectionLog final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject* source, std::int32_t code) override {
    sources.push_back(source);
    codes.push_back(code);
  }
  std::vector<s::base::IObject*> sources;
  std::vector<std::int32_t> codes;
};

}  // namespace

TEST_CASE("check states and radio marks reach the native menu as the items hold them") {
  support::RecordedMenus recorded;
  auto menu = s::thread::obtain<PopupMenu>();
  menu->addItem(newMenuItemWithText(u"One", 1, true));
  menu->addItem(newMenuItemWithText(u"Two", 2, false));
  menu->addItem(newSeparator());
  menu->addItem(newMenuItemWithText(u"Three", 3, false));
  menu->addItem(newMenuItemWithText(u"Four", 4, false));
  RecordingMenus& native = recorded.menus;
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{0});
  CHECK(native.textAt(menu->nativeMenu(), 1) == u"Two");
  CHECK((native.stateAt(menu->nativeMenu(), 2) & INativeMenus::kSeparator) != 0);

  CHECK(menu->setChecked(2, true));
  CHECK(menu->setChecked(1, false));
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{1});
  CHECK(menu->isChecked(2));
  CHECK_FALSE(menu->isChecked(1));

  // Within [3, 4] only: position 1 keeps its check.
  CHECK(menu->radioCheck(3, 4, 4));
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{1, 4});
  CHECK(native.itemAt(menu->nativeMenu(), 4)->radio);
  CHECK(menu->isChecked(4));
  CHECK(menu->itemByCommandId(4)->isRadio());

  // By command id over the whole menu: every other check goes.
  CHECK(menu->radioCheckCommandId(3));
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{3});
  CHECK_FALSE(menu->isChecked(2));
  CHECK_FALSE(menu->itemByCommandId(4)->isRadio());

  menu->itemByCommandId(1)->setUserValue(77);
  CHECK(menu->radioCheckUserValue(77));
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{0});

  // Ranges that cannot hold the checked position change nothing.
  CHECK_FALSE(menu->radioCheck(3, 4, 1));
  CHECK_FALSE(menu->radioCheck(4, 3, 4));
  CHECK_FALSE(menu->radioCheckCommandId(99));
  CHECK(checkedPositions(native, *menu) == std::vector<std::uint32_t>{0});
}

TEST_CASE("setting a check state to the one it already has does not call the platform") {
  support::RecordedMenus recorded;
  auto menu = s::thread::obtain<PopupMenu>();
  menu->addItem(newMenuItemWithText(u"On", 1, true));
  menu->addItem(newMenuItemWithText(u"Off", 2, false));
  auto sub = s::thread::obtain<PopupMenu>();
  sub->setTitleText(u"More");
  sub->addItem(newMenuItemWithText(u"Deep", 3, true));
  menu->addSubMenu(std::move(sub));
  RecordingMenus& native = recorded.menus;
  native.clearLog();

  CHECK(menu->setChecked(1, true));
  CHECK(menu->setChecked(2, false));
  CHECK(menu->setChecked(3, true));
  CHECK(native.log().empty());

  CHECK(menu->setChecked(2, true));
  CHECK(menu->setChecked(3, false));
  CHECK(native.countOf(RecordingMenus::Call::kCheck) == 2);
  CHECK(native.log().size() == 2);
  CHECK_FALSE(menu->setChecked(42, true));
}

TEST_CASE("a language switch gives every text the new language, keeping checks and radio marks") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  Owned<Localizer> localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  support::ToolWindowMenus menus =
      support::buildToolWindowMenus(localizer.get(), true, false, true);
  // A sub-menu without a language of its own follows the menu above it.
  auto sub = s::thread::obtain<PopupMenu>();
  sub->setTitleEntryId(701000);
  sub->addItem(newMenuItem(701200, nullptr, 300, true));
  IPopupMenu* added = menus.view->addSubMenu(std::move(sub));

  const std::int32_t viewEntries[] = {609100, 609300, 609350};
  const std::int32_t aboutEntries[] = {701100, -1, 701200, 701300, -1, 107000, -1, 108100};
  const std::u16string englishKeepOnTop = native.textAt(menus.view->nativeMenu(), 0);
  const std::uint32_t english = support::packIndexOf(*localizer, u"English");
  CHECK(checkedPositions(native, *menus.language) == std::vector<std::uint32_t>{english});

  s::lang::selectLanguageAt(*localizer, support::packIndexOf(*localizer, u"German"));

  for (std::uint32_t i = 0; i < 3; ++i) {
    CAPTURE(i);
    CHECK(native.textAt(menus.view->nativeMenu(), i) ==
          s::lang::textOf(*localizer, viewEntries[i]));
  }
  CHECK(native.textAt(menus.view->nativeMenu(), 0) != englishKeepOnTop);
  for (std::uint32_t i = 0; i < 8; ++i) {
    CAPTURE(i);
    if (aboutEntries[i] < 0) continue;
    CHECK(native.textAt(menus.about->nativeMenu(), i) ==
          s::lang::textOf(*localizer, aboutEntries[i]));
  }
  const std::uint32_t translate = localizer->packCount() + 1;
  CHECK(native.textAt(menus.language->nativeMenu(), translate) ==
        s::lang::textOf(*localizer, 700001));
  CHECK(native.textAt(menus.view->nativeMenu(), 3) == s::lang::textOf(*localizer, 701000));
  CHECK(native.textAt(added->nativeMenu(), 0) == s::lang::textOf(*localizer, 701200));
  CHECK(std::u16string(menus.view->title()) == s::lang::textOf(*localizer, 609000));

  CHECK(checkedPositions(native, *menus.view) == std::vector<std::uint32_t>{0, 2});
  CHECK(checkedPositions(native, *added) == std::vector<std::uint32_t>{0});
  CHECK(checkedPositions(native, *menus.language) == std::vector<std::uint32_t>{english});
  CHECK(native.itemAt(menus.language->nativeMenu(), english)->radio);
}

TEST_CASE("radio-checking the language menu by position checks exactly that language") {
  support::RecordedMenus recorded;
  Owned<Localizer> localizer = support::embeddedLocalizer();
  support::ToolWindowMenus menus = support::buildToolWindowMenus(localizer.get(), true, true, true);
  const std::uint32_t languages = localizer->packCount();
  REQUIRE(menus.language->count() == languages + 2);
  for (std::uint32_t pick : {0u, 5u, languages - 1}) {
    CAPTURE(pick);
    CHECK(menus.language->radioCheckAll(pick));
    CHECK(checkedPositions(recorded.menus, *menus.language) == std::vector<std::uint32_t>{pick});
    for (std::uint32_t i = 0; i < languages; ++i) {
      CHECK(menus.language->itemByCommandId(static_cast<std::int32_t>(i))->isRadio() ==
            (i == pick));
    }
  }
  // The separator's command id 0 is not the first language's.
  std::uint32_t position = 99;
  CHECK(menus.language->indexOfCommandId(0, &position));
  CHECK(position == 0);
  CHECK(menus.language->indexOfCommandId(static_cast<std::int32_t>(languages), &position));
  CHECK(position == languages + 1);
}

TEST_CASE("a command id held only by a sub-menu is found and changed through the menu above") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  auto menu = s::thread::obtain<PopupMenu>();
  menu->addItem(newMenuItemWithText(u"Top", 1, false));
  auto middle = s::thread::obtain<PopupMenu>();
  middle->setTitleText(u"Middle");
  middle->addItem(newMenuItemWithText(u"Seven", 7, false));
  middle->addItem(newSeparator());
  auto deep = s::thread::obtain<PopupMenu>();
  deep->setTitleText(u"Deep");
  deep->addItem(newMenuItemWithText(u"Nine", 9, false));
  deep->addItem(newMenuItemWithText(u"Ten", 10, false));
  IPopupMenu* deepMenu = middle->addSubMenu(std::move(deep));
  IPopupMenu* middleMenu = menu->addSubMenu(std::move(middle));
  REQUIRE(menu->count() == 2);
  CHECK(native.itemAt(menu->nativeMenu(), 1)->item ==
        reinterpret_cast<std::uintptr_t>(middleMenu->nativeMenu()));
  CHECK(native.textAt(middleMenu->nativeMenu(), 2) == u"Deep");

  CHECK(menu->hasCommandId(7));
  CHECK(menu->hasCommandId(9));
  CHECK_FALSE(menu->hasCommandId(0));
  std::uint32_t position = 0;
  CHECK_FALSE(menu->indexOfCommandId(9, &position));

  CHECK_FALSE(menu->isChecked(9));
  CHECK(menu->setChecked(9, true));
  CHECK(menu->isChecked(9));
  CHECK(isCheckedAt(native, *deepMenu, 0));

  CHECK(menu->enableItem(10, false));
  CHECK((native.stateAt(deepMenu->nativeMenu(), 1) & INativeMenus::kGrayed) != 0);
  CHECK_FALSE(menu->itemByCommandId(10)->isEnabled());

  CHECK(menu->setText(7, u"Sieben"));
  CHECK(native.textAt(middleMenu->nativeMenu(), 0) == u"Sieben");

  CHECK(menu->radioCheckCommandId(10));
  CHECK(checkedPositions(native, *deepMenu) == std::vector<std::uint32_t>{1});
  CHECK(checkedPositions(native, *menu).empty());

  menu->itemByCommandId(7)->setUserValue(5);
  CHECK(menu->itemByUserValue(5) == menu->itemByCommandId(7));
  CHECK(menu->removeUserValue(5));
  CHECK_FALSE(menu->hasCommandId(7));
  CHECK(menu->removeCommandId(9));
  CHECK_FALSE(menu->hasCommandId(9));
  CHECK(native.itemCount(deepMenu->nativeMenu()) == 1);
  CHECK(native.itemCount(middleMenu->nativeMenu()) == 2);
}

TEST_CASE("an item with an entry id shows the entry's text whatever text it is given") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  Owned<Localizer> localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  auto menu = s::thread::obtain<PopupMenu>();
  menu->setLocalizer(localizer.get());
  menu->addItem(newMenuItem(609100, localizer.get(), 100, false));
  menu->addItem(newMenuItemWithText(u"Plain", 101, false));

  CHECK(menu->setText(100, u"Something else"));
  CHECK(native.textAt(menu->nativeMenu(), 0) == s::lang::textOf(*localizer, 609100));
  CHECK(menu->setText(101, u"Changed"));
  CHECK(native.textAt(menu->nativeMenu(), 1) == u"Changed");

  // An entry id given later takes the menu's localizer.
  CHECK(menu->setTextEntryId(101, 609300));
  CHECK(native.textAt(menu->nativeMenu(), 1) == s::lang::textOf(*localizer, 609300));
  CHECK_FALSE(menu->setText(5, u"none"));
}

TEST_CASE("greyed items and sub-menus stay greyed when their texts are replaced") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  Owned<Localizer> localizer = support::embeddedLocalizer();
  s::lang::selectLanguage(*localizer, u"English");
  auto menu = s::thread::obtain<PopupMenu>();
  menu->setLocalizer(localizer.get());
  menu->addItem(newMenuItem(609100, localizer.get(), 100, true));
  auto sub = s::thread::obtain<PopupMenu>();
  sub->setTitleEntryId(701000);
  sub->addItem(newMenuItem(701100, localizer.get(), 10000, false));
  IPopupMenu* about = menu->addSubMenu(std::move(sub));

  CHECK(menu->enableItem(100, false));
  CHECK(menu->enableSubMenu(about, false));
  CHECK(recorded.menus.log().back().flags == (INativeMenus::kByPosition | 19));
  s::lang::selectLanguageAt(*localizer, support::packIndexOf(*localizer, u"French"));

  const std::uint32_t greyed = INativeMenus::kGrayed;
  CHECK(native.stateAt(menu->nativeMenu(), 0) == (greyed | INativeMenus::kChecked));
  CHECK(native.stateAt(menu->nativeMenu(), 1) ==
        (INativeMenus::kPopup | greyed | INativeMenus::kDisabled));
  CHECK(native.textAt(menu->nativeMenu(), 1) == s::lang::textOf(*localizer, 701000));
  CHECK(about->adjustColour(0) == s::gui::menuitem::MenuItem::kDisabledColour);

  CHECK(menu->enableSubMenu(about, true));
  CHECK(native.stateAt(menu->nativeMenu(), 1) == INativeMenus::kPopup);
  auto stranger = s::thread::obtain<PopupMenu>();
  CHECK_FALSE(menu->enableSubMenu(stranger.get(), false));
}

TEST_CASE(
    "released menus give back every item and sub-menu, each native menu once, and leave the "
    "localizer") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  Owned<Localizer> localizer = support::embeddedLocalizer();
  const std::uint32_t listenersBefore = localizer->listenerCount();
  {
    support::ToolWindowMenus menus =
        support::buildToolWindowMenus(localizer.get(), true, true, true);
    auto sub = s::thread::obtain<PopupMenu>();
    sub->setLocalizer(localizer.get());
    sub->addItem(newMenuItem(701100, localizer.get(), 1, false));
    menus.about->addSubMenu(std::move(sub));
    CHECK(localizer->listenerCount() == listenersBefore + 4);
    CHECK(native.liveMenus() == 4);
    // Removing the sub-menu by its position destroys its menu alone.
    CHECK(menus.about->removeAt(menus.about->count() - 1));
    CHECK(native.liveMenus() == 3);
    CHECK(localizer->listenerCount() == listenersBefore + 3);
    menus.view->removeAll();
    CHECK(menus.view->count() == 0);
    CHECK(native.itemCount(menus.view->nativeMenu()) == 0);
  }
  CHECK(native.liveMenus() == 0);
  CHECK(native.countOf(RecordingMenus::Call::kDestroy) ==
        native.countOf(RecordingMenus::Call::kCreate));
  CHECK(localizer->listenerCount() == listenersBefore);

  auto again = s::thread::obtain<PopupMenu>();
  CHECK(again->count() == 0);
  CHECK_FALSE(again->isCreated());
  CHECK(std::u16string(again->title()).empty());
  CHECK(again->localizer() == nullptr);
  CHECK(again->lastSelectedCommandId() == -1);
}

TEST_CASE("a selection keeps the command id and tells every listener with code 0") {
  support::RecordedMenus recorded;
  auto menu = s::thread::obtain<PopupMenu>();
  SelectionLog first;
  SelectionLog second;
  menu->addSelectionListener(&first);
  menu->addSelectionListener(&second);
  menu->select(120);
  CHECK(menu->lastSelectedCommandId() == 120);
  CHECK(first.codes == std::vector<std::int32_t>{0});
  CHECK(first.sources == std::vector<s::base::IObject*>{menu.get()});
  CHECK(second.codes == std::vector<std::int32_t>{0});
  CHECK(menu->removeSelectionListener(&first));
  menu->select(100);
  CHECK(first.codes.size() == 1);
  CHECK(second.codes.size() == 2);
}

TEST_CASE("showing a menu tracks it at the point: bottom-aligned at, top-aligned below") {
  support::RecordedMenus recorded;
  RecordingMenus& native = recorded.menus;
  auto menu = s::thread::obtain<PopupMenu>();
  menu->addItem(newMenuItemWithText(u"Only", 1, false));
  int owner = 0;
  std::vector<std::uint32_t> flags;
  native.setMenuLoop([&](s::gui::NativeMenu shown, std::int32_t x, std::int32_t y,
                         s::gui::NativeWindow window, std::uint32_t how) {
    CHECK(shown == menu->nativeMenu());
    CHECK(window == &owner);
    CHECK(x == 30);
    CHECK(y == 40);
    flags.push_back(how);
  });
  menu->showAt(30, 40, &owner);
  CHECK(menu->showBelow(30, 40, &owner));
  CHECK(flags == std::vector<std::uint32_t>{0x4022, 0x4002});
  menu->setMenuData(&owner);
  CHECK(native.menuDataOf(menu->nativeMenu()) == &owner);
}
