#include "app/win/OmbrelApp.h"

#include <windows.h>

#include <commctrl.h>

#include "app/HeapChange.h"
#include "app/HeapCommands.h"
#include "app/cli/RunCommandLine.h"
#include "app/win/ConsoleOutput.h"
#include "s/app/AppWindow.h"
#include "s/app/win/AppBase.h"
#include "s/gui/win/MessageBoxW.h"
#include "s/system/gui/dialogs/rarodaviro/win/Dialog.h"
#include "s/system/os/StaticObj.h"
#include "s/thread/Pool.h"

namespace {

constexpr const char16_t* kMainWindowName = u"MainWindow";
constexpr std::int32_t kMainWindowWidth = 230;
constexpr std::int32_t kMainWindowHeight = 230;

// The eight classic control families: list view, tree view, bars, tabs, up-down, progress,
// hot key, animate.
constexpr DWORD kClassicControlClasses = 0xFF;

void initCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = 8;
  controls.dwICC = kClassicControlClasses;
  InitCommonControlsEx(&controls);
}

void runToolWindow(s::app::win::AppBase& application, s::app::win::AppWindow& binding) {
  app::HeapCommands commands(*application.settingsStore(), *binding.localizer());
  auto dialog = s::thread::obtain<s::system::gui::dialogs::rarodaviro::Dialog>();
  dialog->bind(&binding, &commands);
  dialog->run();
}

}  // namespace

bool COmbrelApp::initInstance() {
  initCommonControls();

  auto application = s::thread::obtain<s::app::win::AppBase>();
  if (!application->initialize()) {
    exitCode_ = kExitNoSettings;
    return false;
  }
  auto binding = s::app::win::createAppWindow(application.get(), kMainWindowName,
                                              application->editionWord(), kMainWindowWidth,
                                              kMainWindowHeight, application->skin(), nullptr);

  const auto* commandLine = application->commandLine();
  if (commandLine != nullptr && commandLine->argumentCount() > 0) {
    // A script's run: no window, no message box, and no single-copy rule (the change lock
    // keeps two changes apart).
    app::win::ConsoleOutput out;
    exitCode_ = app::cli::runCommandLine(*commandLine, *application->settingsStore(),
                                         *application->localizer(), out);
  } else if (!application->findOtherInstance(true, false, true)) {
    if (s::system::os::win::IsSupportedOs()) {
      runToolWindow(*application, *binding);
    } else {
      s::gui::win::showInformationMessage(app::kNotSupportedText);
    }
  }

  // The binding before the application object, which writes the store out as it goes.
  binding.reset();
  application.reset();
  return false;
}
