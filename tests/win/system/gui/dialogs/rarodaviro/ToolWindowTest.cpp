// The tool window in a process of its own making: its real window, buttons and labels on a UI
// thread, with the two commands played by the test, and what a user would see read back.
// (The program end to end, with the real registry, is in tests/program.)
#include <doctest/doctest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "s/app/AppWindow.h"
#include "s/gui/MenuEx.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/dialogs/win/About3.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Window.h"
#include "s/lang/Lang.h"
#include "s/system/gui/dialogs/rarodaviro/win/Dialog.h"
#include "s/thread/Pool.h"
#include "support/FakeApp.h"
#include "support/TestStoreArea.h"
#include "support/win/MessageBoxWatcher.h"
#include "win/gui/controls/ControlTestKit.h"

using s::system::gui::dialogs::rarodaviro::Dialog;
using s::system::gui::dialogs::rarodaviro::IHeapCommands;

namespace {

constexpr const char16_t* kArea = u"VexoTest-toolwindow";

// The two buttons' commands as the test wants them to come out.
class ScriptedCommands final : public IHeapCommands {
 public:
  Answer apply() override { return run(true); }
  Answer undo() override { return run(false); }
  bool isInForce() override { return inForce; }

  bool succeed = true;
  bool inForce = false;
  int applies = 0;
  int undos = 0;

 private:
  Answer run(bool apply) {
    (apply ? applies : undos) += 1;
    if (succeed) inForce = apply;
    return Answer{succeed, succeed ? (apply ? u"Applied." : u"Undone.") : u"Refused."};
  }
};

std::vector<std::u16string>& openedPages() {
  static std::vector<std::u16string> pages;
  return pages;
}
void recordPage(const char16_t* address) { openedPages().push_back(address); }

std::u16string textOf(const s::gui::win::Button* button) { return button->text().text(); }
std::u16string textOf(const s::gui::win::Label* label) { return label->text().text(); }

bool waitFor(bool (*done)(void*), void* context) {
  for (int i = 0; i < 500; ++i) {
    if (done(context)) return true;
    Sleep(10);
  }
  return false;
}

// The tool window running on a thread of its own, as start-up runs it, until the test closes it.
class RunningToolWindow {
 public:
  RunningToolWindow()
      : app_(area_.base()),
        binding_(s::app::win::createAppWindow(&app_, u"MainWindow", app_.editionWord(), 230, 230,
                                              nullptr, nullptr)),
        dialog_(s::thread::obtain<Dialog>()) {
    s::lang::selectLanguage(*app_.localizer(), u"English");
    openedPages().clear();
    dialog_->bind(binding_.get(), &commands);
    dialog_->setPageOpener(&recordPage);
    thread_ = CreateThread(nullptr, 0, &RunningToolWindow::run, dialog_.get(), 0, nullptr);
    shown_ = waitFor(
        [](void* self) {
          auto* dialog = static_cast<RunningToolWindow*>(self)->dialog_.get();
          HWND window = FindWindowW(L"LumeniWindowClass", L"Vexo Ombrel");
          return window != nullptr && IsWindowVisible(window) && dialog->statusLabel() != nullptr;
        },
        this);
    // The window activates itself as it shows; clicks before that would only activate it.
    shown_ = shown_ && waitFor(
                           [](void*) {
                             HWND window = FindWindowW(L"LumeniWindowClass", L"Vexo Ombrel");
                             return GetForegroundWindow() == window;
                           },
                           nullptr);
    Sleep(100);
  }
  ~RunningToolWindow() {
    if (dialog_->window() != nullptr) dialog_->window()->close();
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
  }
  RunningToolWindow(const RunningToolWindow&) = delete;
  RunningToolWindow& operator=(const RunningToolWindow&) = delete;

  bool shown() const { return shown_; }
  Dialog& dialog() { return *dialog_; }
  support::FakeApp& app() { return app_; }
  s::app::win::AppWindow& binding() { return *binding_; }
  DWORD uiThread() const { return GetWindowThreadProcessId(dialog_->window()->handle(), nullptr); }
  // A real click on the button while a watcher answers the box it opens; the box's text.
  std::wstring clickAndAnswer(s::gui::win::Button* button) {
    support::MessageBoxWatcher watcher(uiThread(), IDOK);
    controls_test::clickAt(controls_test::screenCentreOf(button));
    CHECK(watcher.finish());
    return watcher.text;
  }

  ScriptedCommands commands;

 private:
  static DWORD WINAPI run(void* dialog) {
    static_cast<Dialog*>(dialog)->run();
    return 0;
  }

  support::TestStoreArea area_{kArea};
  support::FakeApp app_;
  s::base::Owned<s::app::win::AppWindow> binding_;
  s::base::Owned<Dialog> dialog_;
  HANDLE thread_ = nullptr;
  bool shown_ = false;
};

}  // namespace

TEST_CASE("at its first start the tool window shows centred on the work area, 230 x 230") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  RECT window{};
  GetWindowRect(tool.dialog().window()->handle(), &window);
  RECT work{};
  REQUIRE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  CHECK(window.right - window.left == 230);
  CHECK(window.bottom - window.top == 230);
  CHECK(std::abs((window.left + window.right) - (work.left + work.right)) <= 1);
  CHECK(std::abs((window.top + window.bottom) - (work.top + work.bottom)) <= 1);
}

TEST_CASE("the status text and the captions follow the language, and the choice is recorded") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  CHECK(textOf(dialog.statusLabel()) == u"Ready");
  CHECK(textOf(dialog.applyButton()) == u"Increase it Now!");
  CHECK(textOf(dialog.linkLabel()) == u"vexo");

  std::uint32_t german = 0;
  REQUIRE(tool.app().localizer()->indexOfPack(
      s::lang::findPackByName(*tool.app().localizer(), u"German"), &german));
  dialog.menuBar()->select(static_cast<std::int32_t>(german));
  CHECK(textOf(dialog.statusLabel()) == u"Bereit");
  CHECK(textOf(dialog.applyButton()) == u"Jetzt vergrößern!");
  CHECK(textOf(dialog.undoButton()) == u"Änderung rückgängig machen");
  // The link is a name, not a text of the pack.
  CHECK(textOf(dialog.linkLabel()) == u"vexo");
  CHECK(std::u16string(tool.app().store().getString(u"MainWindow\\Language", u"", u"<none>",
                                                    nullptr, false)) == u"German");
  CHECK(std::u16string(tool.app().getLanguage()) == u"German");
  CHECK(dialog.languageMenu()->itemByCommandId(static_cast<std::int32_t>(german))->isRadio());
  CHECK_FALSE(dialog.languageMenu()->itemByCommandId(0)->isRadio());
  CHECK(openedPages().empty());
}

TEST_CASE("a refused command shows its text and moves no button; a done one flips them") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  CHECK(dialog.applyButton()->isEnabled());
  CHECK_FALSE(dialog.undoButton()->isEnabled());

  tool.commands.succeed = false;
  CHECK(tool.clickAndAnswer(dialog.applyButton()) == L"Refused.");
  CHECK(tool.commands.applies == 1);
  CHECK(dialog.applyButton()->isEnabled());
  CHECK_FALSE(dialog.undoButton()->isEnabled());

  tool.commands.succeed = true;
  CHECK(tool.clickAndAnswer(dialog.applyButton()) == L"Applied.");
  CHECK_FALSE(dialog.applyButton()->isEnabled());
  CHECK(dialog.undoButton()->isEnabled());

  tool.commands.succeed = false;
  CHECK(tool.clickAndAnswer(dialog.undoButton()) == L"Refused.");
  CHECK(dialog.undoButton()->isEnabled());
  tool.commands.succeed = true;
  CHECK(tool.clickAndAnswer(dialog.undoButton()) == L"Undone.");
  CHECK(dialog.applyButton()->isEnabled());
  CHECK_FALSE(dialog.undoButton()->isEnabled());
  CHECK(tool.commands.undos == 2);
}

TEST_CASE("each page command opens its entry's address") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  const auto languages = static_cast<std::int32_t>(tool.app().localizer()->packCount());
  struct Case {
    std::int32_t command;
    const char16_t* address;
  };
  const Case cases[] = {
      {Dialog::kSoftwarePageCommand, u"https://www.vexo.example/ombrel/"},
      {Dialog::kTellDevelopersCommand, u"https://www.vexo.example/ombrel/feedback/"},
      {Dialog::kPage108000Command, u"https://www.vexo.example/software/"},
      {Dialog::kPage108200Command, u"https://www.vexo.example/workplace/"},
      {languages, u"https://www.vexo.example/translate/"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.command);
    openedPages().clear();
    dialog.menuBar()->select(c.command);
    REQUIRE(openedPages().size() == 1);
    CHECK(openedPages()[0] == c.address);
  }
  // "Translate? (online)" is no language.
  CHECK(textOf(dialog.applyButton()) == u"Increase it Now!");

  openedPages().clear();
  dialog.menuBar()->select(42);
  dialog.menuBar()->select(20000);
  CHECK(openedPages().empty());

  controls_test::clickAt(controls_test::screenCentreOf(dialog.linkLabel()));
  CHECK(waitFor([](void*) { return !openedPages().empty(); }, nullptr));
  REQUIRE(openedPages().size() == 1);
  CHECK(openedPages()[0] == u"https://www.vexo.example/");
  controls_test::moveTo(POINT{0, 0});
}

TEST_CASE("the version command shows one About window over the tool window, again and again") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  HWND toolWindow = dialog.window()->handle();
  dialog.menuBar()->select(Dialog::kVersionInformationCommand);
  const s::gui::dialogs::About3* about = dialog.aboutOpener().about();
  REQUIRE(about != nullptr);
  REQUIRE(about->window() != nullptr);
  CHECK(IsWindowVisible(about->window()->handle()));
  CHECK(std::u16string(about->window()->title()) == u"Version Information");
  CHECK(std::u16string(dialog.aboutOpener().binding()->windowName()) == u"AboutWindow");
  CHECK_FALSE(IsWindowEnabled(toolWindow));

  about->window()->close();
  CHECK(waitFor([](void* hwnd) { return IsWindowEnabled(static_cast<HWND>(hwnd)) != 0; },
                toolWindow));
  dialog.menuBar()->select(Dialog::kVersionInformationCommand);
  CHECK(dialog.aboutOpener().about() == about);
  REQUIRE(about->window() != nullptr);
  CHECK(IsWindowVisible(about->window()->handle()));
  about->window()->close();
  CHECK(waitFor([](void* hwnd) { return IsWindowEnabled(static_cast<HWND>(hwnd)) != 0; },
                toolWindow));
  CHECK(openedPages().empty());
}

TEST_CASE("the view options switch the window, their checks and the stored values together") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  s::gui::win::Window& window = *dialog.window();
  CHECK(window.isKeptOnTop());
  CHECK(window.isEasyDrag());
  CHECK(std::u16string(window.middleClickAction()) == u"Close");
  for (std::int32_t command :
       {Dialog::kKeepOnTopCommand, Dialog::kEasyDragCommand, Dialog::kCloseByMiddleClickCommand}) {
    CAPTURE(command);
    CHECK(dialog.menuBar()->isChecked(command));
    dialog.menuBar()->select(command);
    CHECK_FALSE(dialog.menuBar()->isChecked(command));
  }
  CHECK_FALSE(window.isKeptOnTop());
  CHECK_FALSE(window.isEasyDrag());
  CHECK(std::u16string(window.middleClickAction()) == u"DoNothing");
  CHECK_FALSE(tool.binding().getKeepOnTop());
  CHECK_FALSE(tool.binding().getEasyDrag());
  CHECK(std::u16string(tool.binding().getOnMClick()) == u"DoNothing");

  dialog.menuBar()->select(Dialog::kCloseByMiddleClickCommand);
  CHECK(dialog.menuBar()->isChecked(Dialog::kCloseByMiddleClickCommand));
  CHECK(std::u16string(tool.binding().getOnMClick()) == u"Close");
}
