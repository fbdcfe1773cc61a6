// The tool window in a process of its own making: its real window, buttons and labels on a UI
// thread, with the two commands played by the test, and what a user would see read back.
// (The program end to end, with the real registry, is in tests/program.)
#include <doctest/doctest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "s/app/AppWindow.h"
#include "s/gui/IComponent.h"
#include "s/gui/MenuEx.h"
#include "s/gui/PopupMenu.h"
#include "s/gui/dialogs/win/About3.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/StatusBar.h"
#include "s/gui/win/Window.h"
#include "s/lang/Lang.h"
#include "s/system/gui/dialogs/rarodaviro/win/Dialog.h"
#include "s/thread/Pool.h"
#include "support/FakeApp.h"
#include "support/TestStoreArea.h"
#include "support/win/Cursor.h"
#include "support/win/GuiObjectCount.h"
#include "support/win/KeptMenuHandles.h"
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

// A click as a hand makes it, once the system holds the cursor steadily over the control: a
// press sent while the display still reports an older place lands there instead.
void clickOn(const s::gui::IComponent* component) {
  HWND control = controls_test::handleOf(component);
  REQUIRE(support::putCursorAt(controls_test::screenCentreOf(component),
                               GetAncestor(control, GA_ROOT)));
  support::pressLeftButton();
}

bool waitFor(bool (*done)(void*), void* context) {
  for (int i = 0; i < 500; ++i) {
    if (done(context)) return true;
    Sleep(10);
  }
  return false;
}

// A component's place in the client area of the window that holds the tree, as the user sees
// it: its native window where it has one, else (spacers) its position in its parent.
struct Place {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const Place& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};
std::ostream& operator<<(std::ostream& out, const Place& p) {
  return out << "(" << p.left << ", " << p.top << ") - (" << p.right << ", " << p.bottom << ")";
}

Place placeOf(const s::gui::IComponent* component, HWND top) {
  if (auto* native = static_cast<HWND>(component->nativeWindow())) {
    RECT r{};
    GetWindowRect(native, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    return Place{r.left, r.top, r.right, r.bottom};
  }
  const int left = component->x() + component->offsetX();
  const int upper = component->y() + component->offsetY();
  Place origin;
  if (component->parent() != nullptr && !component->parent()->isTopLevel()) {
    origin = placeOf(component->parent(), top);
  }
  return Place{origin.left + left, origin.top + upper, origin.left + left + component->width(),
               origin.top + upper + component->height()};
}

// The height of one line of text in the controls' default font, as the screen measures it.
int defaultLineHeight() {
  s::base::Owned<s::gui::win::Font> font = s::thread::obtain<s::gui::win::Font>();
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font->handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
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
    clickOn(button);
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

  clickOn(dialog.linkLabel());
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

TEST_CASE("at 230 x 230 the tool window gives each component of its tree the room it is meant to") {
  RunningToolWindow tool;
  REQUIRE(tool.shown());
  Dialog& dialog = tool.dialog();
  s::gui::win::Window& window = *dialog.window();
  HWND top = window.handle();
  // Every place below follows from the client area the 230 x 230 frame leaves.
  RECT frame{};
  REQUIRE(GetWindowRect(top, &frame));
  REQUIRE(frame.right - frame.left == 230);
  REQUIRE(frame.bottom - frame.top == 230);
  RECT client{};
  REQUIRE(GetClientRect(top, &client));
  const int w = client.right;
  const int h = client.bottom;
  // The menu bar, the button column and the status bar, top to bottom.
  REQUIRE(window.childCount() == 3);
  s::gui::IComponent* column = window.childAt(1);
  auto* statusBar = dynamic_cast<s::gui::win::StatusBar*>(window.childAt(2));
  REQUIRE(statusBar != nullptr);
  REQUIRE(column->childCount() == 4);

  // The menu bar spans the client width at the top; it is one line of text high (no size is set
  // on its fonts, so the controls' default) plus the vertical title spacing of 3 above and below.
  const int menuHeight = defaultLineHeight() + 2 * 3;
  CHECK(placeOf(dialog.menuBar(), top) == Place{0, 0, w, menuHeight});
  // The status bar lies along the bottom, full width, as high as its plain drawer (23).
  const int barTop = h - 23;
  CHECK(placeOf(statusBar, top) == Place{0, barTop, w, h});
  // The button column (width and height 100 %) starts under the menu bar, full width. The
  // window's own column stacks menu bar, button column and status bar in a height that already
  // leaves the bar out (the bar is then put at the bottom): so the button column ends a bar's
  // height above the bar, and the buttons sit that much higher than centred. That is the
  // window's layout as it has always been; the check keeps it from shifting unnoticed.
  const Place columnPlace = placeOf(column, top);
  CHECK(columnPlace.left == 0);
  CHECK(columnPlace.top == menuHeight);
  CHECK(columnPlace.right == w);
  CHECK(columnPlace.bottom == barTop - 23);
  CHECK(columnPlace.bottom - columnPlace.top >= 100);

  // Inside it: 12 + 2 + 40 + 2 + 40 + 2 + 2 = 100 pixels of content (spacer, gap, button, gap,
  // button, gap, spacer), centred vertically in the column, 8 pixels in from either side; the
  // buttons take the full width between the margins.
  const int contentTop = columnPlace.top + (columnPlace.bottom - columnPlace.top - 100) / 2;
  const Place topSpacer = placeOf(column->childAt(0), top);
  CHECK(topSpacer.left == 8);
  CHECK(topSpacer.top == contentTop);
  CHECK(topSpacer.bottom == contentTop + 12);
  CHECK(column->childAt(1) == dialog.applyButton());
  CHECK(placeOf(dialog.applyButton(), top) ==
        Place{8, contentTop + 14, w - 8, contentTop + 14 + 40});
  CHECK(column->childAt(2) == dialog.undoButton());
  CHECK(placeOf(dialog.undoButton(), top) ==
        Place{8, contentTop + 56, w - 8, contentTop + 56 + 40});
  const Place bottomSpacer = placeOf(column->childAt(3), top);
  CHECK(bottomSpacer.left == 8);
  CHECK(bottomSpacer.top == contentTop + 98);
  CHECK(bottomSpacer.bottom == contentTop + 100);

  // The column's top two rows are the line under the menu: grey, then white (in the margin,
  // where no button covers them).
  UpdateWindow(top);
  HDC dc = GetDC(top);
  CHECK(GetPixel(dc, 4, menuHeight) == RGB(172, 168, 153));
  CHECK(GetPixel(dc, 4, menuHeight + 1) == RGB(255, 255, 255));
  ReleaseDC(top, dc);

  // The status bar's row: the client box takes all but the 12-pixel corner at the right, where
  // the 12 x 12 grip sits at the bottom.
  s::gui::IComponent* clientBox = statusBar->clientBox();
  REQUIRE(statusBar->content() != nullptr);
  REQUIRE(statusBar->content()->childCount() == 2);
  s::gui::IComponent* corner = statusBar->content()->childAt(1);
  REQUIRE(corner->childCount() == 1);
  CHECK(placeOf(statusBar->content(), top) == Place{0, barTop, w, h});
  CHECK(placeOf(clientBox, top) == Place{0, barTop, w - 12, h});
  CHECK(placeOf(corner, top) == Place{w - 12, barTop, w, h});
  CHECK(placeOf(corner->childAt(0), top) == Place{w - 12, h - 12, w, h});
  CHECK(IsWindowVisible(static_cast<HWND>(corner->childAt(0)->nativeWindow())));

  // In the client box: the label box, the progress box, the link box. The link box is the link
  // plus its margins of 3 and sits against the grip; the progress box takes no width until
  // something shows in it; the label box has the rest. Text widths come from the font, so the
  // labels are checked by where they stand, not by their widths.
  REQUIRE(clientBox->childCount() == 3);
  s::gui::IComponent* labelBox = clientBox->childAt(0);
  s::gui::IComponent* progressBox = clientBox->childAt(1);
  s::gui::IComponent* linkBox = clientBox->childAt(2);
  const Place link = placeOf(dialog.linkLabel(), top);
  const int linkWidth = link.right - link.left;
  const int linkHeight = link.bottom - link.top;
  CHECK(linkWidth > 0);
  CHECK(linkHeight > 0);
  const int linkBoxLeft = w - 12 - (3 + linkWidth + 3);
  CHECK(placeOf(linkBox, top) == Place{linkBoxLeft, barTop, w - 12, h});
  CHECK(link == Place{linkBoxLeft + 3, barTop + (23 - linkHeight) / 2, w - 15,
                      barTop + (23 - linkHeight) / 2 + linkHeight});
  CHECK(placeOf(progressBox, top) == Place{linkBoxLeft, barTop, linkBoxLeft, h});
  CHECK(placeOf(labelBox, top) == Place{0, barTop, linkBoxLeft, h});

  // "Ready" at the left edge, in the link's font size and on the link's line, clear of it.
  const Place status = placeOf(dialog.statusLabel(), top);
  CHECK(status.left == 0);
  CHECK(status.right > 0);
  CHECK(status.right <= link.left);
  CHECK(status.top == link.top);
  CHECK(status.bottom == link.bottom);
}

namespace {

// Tool windows one after another on one thread, as start-up runs one: each round takes a tool
// window, runs it until the test closes it and gives it back, so that the window goes back to
// the pool of the thread that takes the next one.
class ToolWindowRounds {
 public:
  ToolWindowRounds(s::app::win::AppWindow* binding, IHeapCommands* commands)
      : binding_(binding), commands_(commands) {
    thread_ = CreateThread(nullptr, 0, &ToolWindowRounds::run, this, 0, nullptr);
  }
  ~ToolWindowRounds() {
    stop_ = true;
    SetEvent(start_);
    if (thread_ != nullptr) {
      WaitForSingleObject(thread_, 10000);
      CloseHandle(thread_);
    }
    CloseHandle(start_);
    CloseHandle(ended_);
  }
  ToolWindowRounds(const ToolWindowRounds&) = delete;
  ToolWindowRounds& operator=(const ToolWindowRounds&) = delete;

  // One whole life of a tool window: built, shown, painted, closed by the test, given back.
  bool round() {
    if (thread_ == nullptr) return false;
    SetEvent(start_);
    const bool shown = waitFor(
        [](void* self) {
          Dialog* tool = static_cast<ToolWindowRounds*>(self)->current_;
          return tool != nullptr && tool->statusLabel() != nullptr && tool->window() != nullptr &&
                 IsWindowVisible(tool->window()->handle()) != 0;
        },
        this);
    if (shown) {
      HWND top = current_.load()->window()->handle();
      // Painted on its own thread, menu bar and all, so that painting's objects count too.
      (void)support::runOnThreadOf(
          top,
          [](void* window) {
            RedrawWindow(static_cast<HWND>(window), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
          },
          top);
      current_.load()->window()->close();
    }
    return WaitForSingleObject(ended_, 10000) == WAIT_OBJECT_0 && shown;
  }

 private:
  static DWORD WINAPI run(void* raw) {
    auto* self = static_cast<ToolWindowRounds*>(raw);
    while (WaitForSingleObject(self->start_, INFINITE) == WAIT_OBJECT_0 && !self->stop_) {
      {
        s::base::Owned<Dialog> dialog = s::thread::obtain<Dialog>();
        dialog->bind(self->binding_, self->commands_);
        dialog->setPageOpener(&recordPage);
        self->current_ = dialog.get();
        dialog->run();
        self->current_ = nullptr;
      }
      SetEvent(self->ended_);
    }
    return 0;
  }

  s::app::win::AppWindow* binding_;
  IHeapCommands* commands_;
  HANDLE start_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE ended_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  std::atomic<Dialog*> current_{nullptr};
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
};

}  // namespace

TEST_CASE("building the tool window and closing it 100 times leaves every count as it was") {
  support::TestStoreArea area{kArea};
  support::FakeApp app(area.base());
  s::base::Owned<s::app::win::AppWindow> binding = s::app::win::createAppWindow(
      &app, u"MainWindow", app.editionWord(), 230, 230, nullptr, nullptr);
  s::lang::selectLanguage(*app.localizer(), u"English");
  ScriptedCommands commands;
  ToolWindowRounds rounds(binding.get(), &commands);
  // Rounds first: the pools (a window keeps its native window there) and the platform's
  // caches fill.
  for (int i = 0; i < 3; ++i) REQUIRE(rounds.round());
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  const DWORD windows = support::userObjectCount();
  const DWORD gdi = support::settledGdiObjectCount();
  const std::uint32_t listeners = app.localizer()->listenerCount();
  const DWORD platformGdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD platformUser = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  {
    support::KeptMenuHandles menus;
    for (int i = 0; i < 100; ++i) REQUIRE(rounds.round());
    // The bar's three pop-up menus each round, at least.
    CHECK(menus.made() >= 300u);
    CHECK(menus.liveMenus() == 0);
  }
  DWORD handlesAfter = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
  CHECK(handlesAfter == handles);
  CHECK(support::userObjectCount() == windows);
  CHECK(support::settledGdiObjectCount() == gdi);
  CHECK(app.localizer()->listenerCount() == listeners);
  // Wine answers 0 to these; on Windows the platform's own counts must hold too.
  CHECK(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) == platformGdi);
  CHECK(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) == platformUser);
}
