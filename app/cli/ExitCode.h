#pragma once

#include "app/HeapChange.h"

namespace app::cli {

// The exit codes of the command-line modes, for scripts (%ERRORLEVEL%). Fixed: scripts rely on
// them, so a new case gets a new number and no number changes meaning.
enum class ExitCode : int {
  // Done, or already in the state asked for; /status and /? answered.
  kDone = 0,
  // An unknown argument, or more than one: the usage is printed and nothing is written.
  kBadArguments = 1,
  // Not Windows XP or Server 2003: nothing is written (/status still prints what it reads).
  kUnsupportedSystem = 2,
  // 480 MiB of physical memory or less: nothing is written.
  kNotEnoughMemory = 3,
  // The `Windows` value is missing, has no SharedSection clause of three numbers, or holds more
  // than its text (data after its terminator), which a rewrite would lose.
  kUnusableWindowsValue = 4,
  // A registry write failed, usually for want of administrator rights; nothing was changed.
  kWriteFailed = 5,
  // A write failed and what was written before it could not be fully put back: see /status.
  kWriteFailedNotRestored = 6,
  // Another copy was applying or undoing the change for the whole wait; nothing is written.
  kBusy = 7,
};

// The exit code that answers an apply or undo.
ExitCode exitCodeOf(const HeapChangeReport& report);

}  // namespace app::cli
