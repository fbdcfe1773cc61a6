#include "s/system/gui/dialogs/rarodaviro/win/Dialog.h"

#include <windows.h>

#include "s/app/AppWindow.h"
#include "s/app/IAppBase.h"
#include "s/gui/AddChild.h"
#include "s/gui/Box.h"
#include "s/gui/MenuEx.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/Spacer.h"
#include "s/gui/dialogs/win/OpenWithShell.h"
#include "s/gui/drawer/border/UnderWindowMenu.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/ProgressBar.h"
#include "s/gui/win/StatusBar.h"
#include "s/gui/win/Window.h"
#include "s/lang/Lang.h"
#include "s/map/IMappedData.h"
#include "s/thread/Pool.h"

namespace s::system::gui::dialogs::rarodaviro {

namespace {

using s::base::Owned;
using s::gui::menuitem::newMenuItem;
using s::gui::menuitem::newMenuItemWithText;
using s::gui::menuitem::newSeparator;
using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::Label;
using s::gui::win::MenuEx;
using s::gui::win::PopupMenu;
using s::gui::win::ProgressBar;
using s::gui::win::Spacer;
using s::gui::win::StatusBar;
using s::gui::win::Window;
using s::thread::obtain;

// Language entries of the window's texts.
constexpr std::int32_t kApplyEntry = 1002000;
constexpr std::int32_t kUndoEntry = 1003000;
constexpr std::int32_t kViewMenuEntry = 609000;
constexpr std::int32_t kKeepOnTopEntry = 609100;
constexpr std::int32_t kEasyDragEntry = 609300;
constexpr std::int32_t kCloseByMiddleClickEntry = 609350;
constexpr std::int32_t kReadyEntry = 609450;
constexpr std::int32_t kLanguageMenuEntry = 700000;
constexpr std::int32_t kTranslateEntry = 700001;
constexpr std::int32_t kAboutMenuEntry = 701000;
constexpr std::int32_t kVersionInformationEntry = 701100;
constexpr std::int32_t kSoftwarePageEntry = 701200;
constexpr std::int32_t kTellDevelopersEntry = 701300;
constexpr std::int32_t kMenuEntry107000 = 107000;
constexpr std::int32_t kMenuEntry108100 = 108100;
// Addresses.
constexpr std::int32_t kHomePageEntry = 101000;
constexpr std::int32_t kTranslatePageEntry = 108500;
constexpr std::int32_t kPage108000Entry = 108000;
constexpr std::int32_t kPage108200Entry = 108200;
// The software page and the developers' address follow the title entry.
constexpr std::int32_t kSoftwarePageOffset = 3;
constexpr std::int32_t kTellDevelopersOffset = 4;

// 8 point, normal weight.
constexpr std::int32_t kSmallFontCode = 100001;

constexpr std::int32_t kDefaultTitleEntry = 500000;

bool isSource(s::base::IObject* source, const s::base::IObject* component) {
  return component != nullptr && source == component;
}

Owned<Box> newBox() { return obtain<Box>(); }

Owned<Spacer> newVerticalSpacer(std::int32_t height) {
  auto spacer = obtain<Spacer>();
  spacer->setOrientation(Spacer::kVertical);
  spacer->setFixedHeight(height);
  return spacer;
}

}  // namespace

Dialog::Dialog() = default;

Dialog::~Dialog() { reset(); }

s::base::IObject* Dialog::newInstance() const { return s::thread::takeFromPool<Dialog>(); }

void Dialog::release() { s::thread::giveBackToPool(this); }

void Dialog::reset() {
  // The About window before the window it belongs to, then the window: its tree holds every
  // component and menu named below.
  about_.release();
  window_.reset();
  menuBar_ = nullptr;
  languageMenu_ = nullptr;
  applyButton_ = nullptr;
  undoButton_ = nullptr;
  statusLabel_ = nullptr;
  linkLabel_ = nullptr;
  languageCount_ = 0;
  binding_ = nullptr;
  store_ = nullptr;
  localizer_ = nullptr;
  commands_ = nullptr;
  opener_ = nullptr;
}

void Dialog::bind(s::app::win::AppWindow* binding, IHeapCommands* commands) {
  binding_ = binding;
  commands_ = commands;
  store_ = binding != nullptr && binding->application() != nullptr
               ? binding->application()->settingsStore()
               : nullptr;
  localizer_ = binding != nullptr ? binding->localizer() : nullptr;
}

void Dialog::setPageOpener(PageOpener opener) {
  opener_ = opener;
  about_.setPageOpener(opener);
}

void Dialog::run() {
  if (binding_ == nullptr || commands_ == nullptr || localizer_ == nullptr) return;
  build();
  window_->waitUntilClosed();
}

void Dialog::build() {
  // 1. The window, bound: position, size and view options come back from the binding.
  window_ = obtain<Window>();
  window_->setMaximizeBox(false);
  window_->setResizableFrame(true);
  window_->setClientEdge(false);
  window_->bind(binding_);

  // 2. Languages by their own names, then the translation page.
  auto languageMenu = obtain<PopupMenu>();
  languageMenu->setLocalizer(localizer_);
  languageMenu->setTitleEntryId(kLanguageMenuEntry);
  buildLanguageMenu(*languageMenu);

  // 3, 5. The status text and the link, both small. The status text is an entry so that it
  // follows the language like every other text.
  auto statusLabel = obtain<Label>();
  statusLabel->setTextEntryId(kReadyEntry);
  statusLabel->setFontSizeCode(kSmallFontCode);
  auto progressBar = obtain<ProgressBar>();
  progressBar->setFixedWidth(100);
  progressBar->setFixedHeight(16);

  // 4. View options, checked as the binding has them.
  auto viewMenu = obtain<PopupMenu>();
  viewMenu->setLocalizer(localizer_);
  viewMenu->setTitleEntryId(kViewMenuEntry);
  viewMenu->addItem(
      newMenuItem(kKeepOnTopEntry, localizer_, kKeepOnTopCommand, binding_->getKeepOnTop()));
  viewMenu->addItem(
      newMenuItem(kEasyDragEntry, localizer_, kEasyDragCommand, binding_->getEasyDrag()));
  viewMenu->addItem(newMenuItem(kCloseByMiddleClickEntry, localizer_, kCloseByMiddleClickCommand,
                                binding_->onMClickIsClose()));

  auto linkLabel = obtain<Label>();
  linkLabel->setText(u"vexo", false);
  linkLabel->setFontSizeCode(kSmallFontCode);

  // 6. The progress bar's row takes no width of its own until something shows in it.
  auto progressBox = newBox();
  progressBox->setModeRow();
  progressBox->setFixedWidth(0, false);
  progressBox->setHeightPercentage(100, false);
  progressBox->alignLeft();
  progressBox->alignMiddle();
  progressBox->setHorizontalMargins(2);

  // 7, 8. The window is resizable: its status bar shows the grip.
  auto statusBar = obtain<StatusBar>();
  statusBar->showSizeGrip(true);
  auto undoButton = obtain<Button>();
  undoButton->setTextEntryId(kUndoEntry);
  undoButton->setWidthPercentage(100);
  undoButton->setFixedHeight(40);
  auto applyButton = obtain<Button>();
  applyButton->setTextEntryId(kApplyEntry);
  applyButton->setWidthPercentage(100);
  applyButton->setFixedHeight(40);

  // 9.
  auto column = newBox();
  column->setModeColumn();
  column->setSize100Percent();
  column->alignLeft();
  column->alignMiddle();
  column->setVerticalGap(2);
  column->setHorizontalMargins(8);

  // 10.
  auto menuBar = obtain<MenuEx>();
  menuBar->setWidthPercentage(100);
  menuBar->setTitleSpacing(6, 3);
  menuBar->setOption(true);

  // 11, 12.
  auto linkBox = newBox();
  linkBox->setModeColumn();
  linkBox->setHeightPercentage(100, false);
  linkBox->alignRight();
  linkBox->alignMiddle();
  linkBox->setHorizontalMargins(3);
  linkLabel_ = s::gui::addChild(*linkBox, std::move(linkLabel));
  s::gui::addChild(*progressBox, std::move(progressBar));
  auto labelBox = newBox();
  labelBox->setModeColumn();
  labelBox->setSize100Percent();
  labelBox->alignLeft();
  labelBox->alignMiddle();
  statusLabel_ = s::gui::addChild(*labelBox, std::move(statusLabel));

  // 13.
  s::gui::addChild(*statusBar, std::move(labelBox));
  s::gui::addChild(*statusBar, std::move(progressBox));
  s::gui::addChild(*statusBar, std::move(linkBox));

  // 14.
  s::gui::addChild(*column, newVerticalSpacer(12));
  applyButton_ = s::gui::addChild(*column, std::move(applyButton));
  undoButton_ = s::gui::addChild(*column, std::move(undoButton));
  s::gui::addChild(*column, newVerticalSpacer(2));

  // 15.
  auto aboutMenu = obtain<PopupMenu>();
  aboutMenu->setLocalizer(localizer_);
  aboutMenu->setTitleEntryId(kAboutMenuEntry);
  aboutMenu->addItem(
      newMenuItem(kVersionInformationEntry, localizer_, kVersionInformationCommand, false));
  aboutMenu->addItem(newSeparator());
  aboutMenu->addItem(newMenuItem(kSoftwarePageEntry, localizer_, kSoftwarePageCommand, false));
  aboutMenu->addItem(newMenuItem(kTellDevelopersEntry, localizer_, kTellDevelopersCommand, false));
  aboutMenu->addItem(newSeparator());
  aboutMenu->addItem(newMenuItem(kMenuEntry107000, localizer_, kPage108000Command, false));
  aboutMenu->addItem(newSeparator());
  aboutMenu->addItem(newMenuItem(kMenuEntry108100, localizer_, kPage108200Command, false));

  // 16.
  menuBar->addMenuTitle(std::move(viewMenu));
  languageMenu_ = static_cast<PopupMenu*>(menuBar->addMenuTitle(std::move(languageMenu)));
  menuBar->addMenuTitle(std::move(aboutMenu));
  menuBar->setLocalizer(localizer_);

  // 17.
  menuBar_ = s::gui::addChild(*window_, std::move(menuBar));
  Box* buttonColumn = s::gui::addChild(*window_, std::move(column));
  StatusBar* bar = s::gui::addChild(*window_, std::move(statusBar));
  window_->attachStatusBar(bar);

  // 18 - 21.
  linkLabel_->setLinkMode(true);
  linkLabel_->addClickListener(this);
  linkLabel_->stateFont(2).setTextColour(51, 51, 51);
  linkLabel_->stateFont(3).setTextColour(0, 0, 238);
  applyButton_->addClickListener(this);
  undoButton_->addClickListener(this);
  showButtonStates();
  menuBar_->addSelectionListener(this);

  // 22.
  buttonColumn->setBorderDrawer(s::gui::drawer::border::win::UnderWindowMenu::create().detach(),
                                true);

  // 23.
  window_->addCloseListener(this);
  window_->addStatusListener(this);
  window_->setTaskbarButton(true);
  window_->relayout();
  window_->relayout();
  const std::int32_t minimumWidth = window_->minimumWidth();
  const std::int32_t minimumHeight = window_->minimumHeight();
  if (window_->width() < minimumWidth || window_->height() < minimumHeight) {
    window_->setSize(window_->width() < minimumWidth ? minimumWidth : window_->width(),
                     window_->height() < minimumHeight ? minimumHeight : window_->height());
  }
  window_->moveFullyIntoVirtualScreen();
  window_->show(true, true);
}

void Dialog::buildLanguageMenu(PopupMenu& menu) {
  languageCount_ = localizer_->packCount();
  for (std::uint32_t i = 0; i < languageCount_; ++i) {
    menu.addItem(newMenuItemWithText(localizer_->packAt(i)->trueName().text(),
                                     static_cast<std::int32_t>(i), false));
  }
  menu.addItem(newSeparator());
  menu.addItem(
      newMenuItem(kTranslateEntry, localizer_, static_cast<std::int32_t>(languageCount_), false));
  std::uint32_t current = 0;
  if (localizer_->current() != nullptr &&
      localizer_->indexOfPack(localizer_->current(), &current)) {
    menu.radioCheckCommandId(static_cast<std::int32_t>(current));
  }
}

void Dialog::event(s::base::IObject* source, std::int32_t code) {
  // The window's close and status events change nothing that shows.
  if (isSource(source, menuBar_)) {
    onMenuCommand(menuBar_->selectedCommandId());
  } else if (isSource(source, applyButton_) && code == Button::kClick) {
    onHeapCommand(true);
  } else if (isSource(source, undoButton_) && code == Button::kClick) {
    onHeapCommand(false);
  } else if (isSource(source, linkLabel_) && code == Label::kClick) {
    openPage(kHomePageEntry);
  }
}

void Dialog::onMenuCommand(std::int32_t id) {
  if (id >= 0 && id <= kLastLanguageCommand) {
    onLanguageChosen(id);
    return;
  }
  const std::int32_t title =
      binding_->titleEntry() > 0 ? binding_->titleEntry() : kDefaultTitleEntry;
  switch (id) {
    case kKeepOnTopCommand:
    case kEasyDragCommand:
    case kCloseByMiddleClickCommand:
      toggleOption(id);
      break;
    case kVersionInformationCommand:
      about_.open(binding_->application(), window_.get());
      break;
    case kSoftwarePageCommand:
      openPage(title + kSoftwarePageOffset);
      break;
    case kTellDevelopersCommand:
      openPage(title + kTellDevelopersOffset);
      break;
    case kPage108000Command:
      openPage(kPage108000Entry);
      break;
    case kPage108200Command:
      openPage(kPage108200Entry);
      break;
    default:
      break;
  }
}

void Dialog::onLanguageChosen(std::int32_t index) {
  if (static_cast<std::uint32_t>(index) == languageCount_) {
    openPage(kTranslatePageEntry);
    return;
  }
  if (static_cast<std::uint32_t>(index) > languageCount_) return;
  s::lang::selectLanguageAt(*localizer_, static_cast<std::uint32_t>(index));
  const s::lang::LangPack* pack = s::lang::currentPack(*localizer_);
  if (pack != nullptr && store_ != nullptr) {
    store_->setString(binding_->sectionPath(u"Language"), u"", pack->engName().text());
  }
  languageMenu_->radioCheckCommandId(index);
}

void Dialog::toggleOption(std::int32_t id) {
  const bool checked = menuBar_->isChecked(id);
  // The window's setters store the new value through the binding.
  if (id == kKeepOnTopCommand) {
    window_->setKeepOnTop(!checked);
  } else if (id == kEasyDragCommand) {
    window_->setEasyDrag(!checked);
  } else {
    window_->setMiddleClickAction(checked ? u"DoNothing" : u"Close");
  }
  menuBar_->setChecked(id, !checked);
}

void Dialog::onHeapCommand(bool apply) {
  const IHeapCommands::Answer answer = apply ? commands_->apply() : commands_->undo();
  // The buttons follow what the store now records, so a failure leaves them as they were.
  showButtonStates();
  if (answer.succeeded) {
    s::gui::win::showInformationMessage(answer.text);
  } else {
    s::gui::win::showErrorMessage(answer.text);
  }
}

void Dialog::showButtonStates() {
  const bool done = commands_->isInForce();
  applyButton_->enable(!done);
  undoButton_->enable(done);
}

void Dialog::openPage(std::int32_t entry) {
  const char16_t* address = s::lang::textOf(*localizer_, entry);
  if (address == nullptr || *address == 0) return;
  (opener_ != nullptr ? opener_ : &s::gui::dialogs::openWithShell)(address);
}

}  // namespace s::system::gui::dialogs::rarodaviro
