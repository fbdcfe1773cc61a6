#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/process/commandline/ICommandLine.h"
#include "s/str/strarray/StrArray.h"

namespace s::process::commandline {

// Splits a command-line text the way the C runtime does for a program's argv: blanks separate
// arguments, double quotes group, 2n backslashes before a quote give n backslashes and the quote
// toggles grouping, 2n + 1 give n and a literal quote, a doubled quote inside a group gives one
// quote. The first element is the program name, which only quotes group.
void splitCommandLine(const char16_t* text, s::str::strarray::StrArray& parts);

namespace win {

class CommandLine final : public ICommandLine {
 public:
  CommandLine();
  ~CommandLine() override;
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  const char16_t* className() const override { return u"s_process_commandline_win_CommandLine"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Forgets every argument.
  void reset() override;

  std::uint32_t argumentCount() const override { return arguments_.count(); }
  const char16_t* argument(std::uint32_t index) const override;

  // Appends one argument; flagged is whether it carried a leading "-" or "/", which text no
  // longer holds.
  void addArgument(const char16_t* text, bool flagged);
  // Appends every argument of a whole command line (the program name is not an argument).
  void parse(const char16_t* commandLineText);

 private:
  s::str::strarray::StrArray arguments_;
};

}  // namespace win
}  // namespace s::process::commandline
