#pragma once

#include <cstdint>

namespace s::lang {
class Localizer;
}

namespace s::app::win {

// Private messages one copy of the program sends another.
constexpr std::uint32_t kMessageRestoreAndActivate = 1027;
constexpr std::uint32_t kMessageAnotherCopyStarted = 1031;

// What findOtherInstance looks for and what it does with what it finds.
struct InstanceSearch {
  // This program's file; another process with the same file (letter case aside) is a copy.
  const char16_t* programPath = nullptr;
  // Its packs give the title text of the window to signal, in every language.
  s::lang::Localizer* localizer = nullptr;
  std::int32_t titleEntry = 0;
  bool signal = false;
  bool notifyStart = false;
  bool useLocalizer = false;
};

// Through the process list (tool-help snapshots).
bool findOtherInstanceByProcessList(const InstanceSearch& search);
// Through the windows of the calling thread's desktop.
bool findOtherInstanceOnDesktop(const InstanceSearch& search);

// The executable path of a process (the first module of its module snapshot) into path, which
// holds room units; false when it cannot be read.
bool executablePathOf(std::uint32_t processId, char16_t* path, std::uint32_t room);

}  // namespace s::app::win
