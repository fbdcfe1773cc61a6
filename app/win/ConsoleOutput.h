#pragma once

#include <cstdint>

#include "app/cli/IOutput.h"

namespace app::win {

// Where the command-line modes write. The program is a GUI program, so it has no console of
// its own: a redirected standard output (file, pipe or device) gets UTF-8; otherwise the console of
// the process that started us, if any, gets UTF-16 through WriteConsoleW; with neither the
// text goes nowhere.
class ConsoleOutput final : public app::cli::IOutput {
 public:
  ConsoleOutput();
  ~ConsoleOutput() override;
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  using IOutput::write;
  void write(const char16_t* units, std::uint32_t count) override;

  bool isConsole() const { return console_; }
  bool hasTarget() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
  bool console_ = false;
  // The console's output opened by us (CONOUT$), not the inherited standard output.
  bool ownsHandle_ = false;
};

}  // namespace app::win
