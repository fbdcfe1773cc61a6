#pragma once

#include "s/process/commandline/CommandLine.h"

namespace s::process::commandline::win {

// Appends the arguments this process was started with (GetCommandLineW).
void parseProgramCommandLine(CommandLine& commandLine);

}  // namespace s::process::commandline::win
