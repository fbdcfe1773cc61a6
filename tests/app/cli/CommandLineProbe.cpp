// The command-line modes in a process of their own, as start-up runs them: a GUI program with
// no console of its own, whose application object reads the program's resources (from the
// resource module beside it), its command line and its stored language, with the settings in
// a test area. Its exit code is runCommandLine's.
#include <windows.h>

#include <cwchar>

#include "app/cli/RunCommandLine.h"
#include "app/win/ConsoleOutput.h"
#include "s/app/win/AppBase.h"
#include "s/thread/Pool.h"
#include "support/win/CommandLineProbe.h"
#include "support/win/ResourceModule.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::u16string module = vexo_test::resourceModulePath();
  auto application = s::thread::obtain<s::app::win::AppBase>();
  if (!application->initialize(s::app::win::AppSetup{module.c_str(), vexo_test::kProbeStorePath})) {
    return 100;
  }
  std::uint32_t lockWaitMs = app::kChangeLockWaitMs;
  wchar_t wait[16] = {};
  if (GetEnvironmentVariableW(vexo_test::kProbeLockWaitVariable, wait, 16) > 0) {
    lockWaitMs = static_cast<std::uint32_t>(std::wcstoul(wait, nullptr, 10));
  }
  app::win::ConsoleOutput out;
  return app::cli::runCommandLine(*application->commandLine(), *application->settingsStore(),
                                  *application->localizer(), out, lockWaitMs);
}
