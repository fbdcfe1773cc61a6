#include "s/process/commandline/win/ProgramCommandLine.h"

#include <windows.h>

namespace s::process::commandline::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

void parseProgramCommandLine(CommandLine& commandLine) {
  commandLine.parse(reinterpret_cast<const char16_t*>(GetCommandLineW()));
}

}  // namespace s::process::commandline::win
