#pragma once

#include <cstdint>

#include "app/ChangeLock.h"
#include "app/cli/IOutput.h"
#include "s/map/IMappedData.h"

namespace s::lang {
class Localizer;
}
namespace s::process::commandline {
class ICommandLine;
}

namespace app::cli {

// Runs the command-line mode that the program's arguments ask for (/status, /apply, /undo,
// /?; "-" for "/", any letter case) and answers the process exit code (ExitCode). No window
// and no message box: every text goes to out, messages in the localizer's current language
// where an entry exists. Start-up calls it, instead of opening the window, whenever the
// program has arguments; the argument texts come as given, or as the command line keeps them.
int runCommandLine(const char16_t* const* arguments, std::uint32_t count,
                   s::map::IMappedData& store, s::lang::Localizer& localizer, IOutput& out,
                   std::uint32_t lockWaitMs = kChangeLockWaitMs);
// The same with the arguments as the application object's command line keeps them.
int runCommandLine(const s::process::commandline::ICommandLine& commandLine,
                   s::map::IMappedData& store, s::lang::Localizer& localizer, IOutput& out,
                   std::uint32_t lockWaitMs = kChangeLockWaitMs);

// What /? prints.
void writeUsage(IOutput& out);

}  // namespace app::cli
