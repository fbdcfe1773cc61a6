#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/gui/dialogs/win/AboutOpener.h"
#include "s/gui/events/IEventListener.h"
#include "s/system/gui/dialogs/rarodaviro/IHeapCommands.h"
#include "s/thread/IPoolable.h"

namespace s::app::win {
class AppWindow;
}
namespace s::gui::win {
class Button;
class Label;
class MenuEx;
class PopupMenu;
class Window;
}  // namespace s::gui::win
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}

namespace s::system::gui::dialogs::rarodaviro {

// The tool window: the two buttons that apply and undo the desktop-heap change, the View,
// Language and About menus and the status bar with its link. Start-up binds one to the main
// window's binding record and runs it; everything after that happens in event(), on the
// window's UI thread.
class Dialog final : public s::gui::events::IEventListener,
                     public s::base::IObject,
                     public s::thread::IPoolable {
 public:
  // Menu command ids; the language items are 0 ... languages - 1, then "Translate? (online)".
  static constexpr std::int32_t kLastLanguageCommand = 99;
  static constexpr std::int32_t kKeepOnTopCommand = 100;
  static constexpr std::int32_t kEasyDragCommand = 120;
  static constexpr std::int32_t kCloseByMiddleClickCommand = 125;
  static constexpr std::int32_t kVersionInformationCommand = 10000;
  static constexpr std::int32_t kSoftwarePageCommand = 10100;
  static constexpr std::int32_t kTellDevelopersCommand = 10200;
  static constexpr std::int32_t kPage108000Command = 10900;
  static constexpr std::int32_t kPage108200Command = 10950;

  // Opens a web page; the default hands the address to the shell (verb "open").
  using PageOpener = void (*)(const char16_t* address);

  Dialog();
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  const char16_t* className() const override { return u"s_system_gui_dialogs_rarodaviro_Dialog"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives the window and everything in it back; unbound again.
  void reset() override;

  // The binding record gives the settings store, the localizer and the window's defaults;
  // commands does what the two buttons ask. Neither is owned.
  void bind(s::app::win::AppWindow* binding, IHeapCommands* commands);
  // For tests: where web pages go instead of the shell (the About window's too). Null: the
  // shell again.
  void setPageOpener(PageOpener opener);

  // Builds the window, shows it, waits until the user has closed it and returns.
  void run();

  // The window (close, status), the menu bar (a selection), the buttons and the link (a click).
  void event(s::base::IObject* source, std::int32_t code) override;

  // While run() lasts: the window and some of its components, for tests that look inside.
  s::gui::win::Window* window() const { return window_.get(); }
  s::gui::win::MenuEx* menuBar() const { return menuBar_; }
  s::gui::win::PopupMenu* languageMenu() const { return languageMenu_; }
  s::gui::win::Button* applyButton() const { return applyButton_; }
  s::gui::win::Button* undoButton() const { return undoButton_; }
  s::gui::win::Label* statusLabel() const { return statusLabel_; }
  s::gui::win::Label* linkLabel() const { return linkLabel_; }
  const s::gui::dialogs::AboutOpener& aboutOpener() const { return about_; }

 private:
  void build();
  void buildLanguageMenu(s::gui::win::PopupMenu& menu);
  void onMenuCommand(std::int32_t id);
  void onLanguageChosen(std::int32_t index);
  void toggleOption(std::int32_t id);
  void onHeapCommand(bool apply);
  void showButtonStates();
  void openPage(std::int32_t entry);

  s::app::win::AppWindow* binding_ = nullptr;
  s::map::IMappedData* store_ = nullptr;
  s::lang::Localizer* localizer_ = nullptr;
  IHeapCommands* commands_ = nullptr;
  PageOpener opener_ = nullptr;
  // The version-information window, made on its first opening.
  s::gui::dialogs::AboutOpener about_;

  s::base::Owned<s::gui::win::Window> window_;
  // Owned by the window's component tree (menus by the bar).
  s::gui::win::MenuEx* menuBar_ = nullptr;
  s::gui::win::PopupMenu* languageMenu_ = nullptr;
  s::gui::win::Button* applyButton_ = nullptr;
  s::gui::win::Button* undoButton_ = nullptr;
  s::gui::win::Label* statusLabel_ = nullptr;
  s::gui::win::Label* linkLabel_ = nullptr;
  std::uint32_t languageCount_ = 0;
};

}  // namespace s::system::gui::dialogs::rarodaviro
