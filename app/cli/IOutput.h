#pragma once

#include <cstdint>
#include <string>

namespace app::cli {

// Where the command-line modes write their text: the console or a redirected output on
// Windows, a captured text in tests.
class IOutput {
 public:
  virtual ~IOutput() = default;
  virtual void write(const char16_t* units, std::uint32_t count) = 0;

  void write(const char16_t* text) {
    write(text, static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text)));
  }
  // Lines end as the platform's text files do, so redirected output reads right in Notepad.
  void writeLine(const char16_t* text) {
    write(text);
    write(u"\r\n", 2);
  }
};

}  // namespace app::cli
