#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "s/process/commandline/CommandLine.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

using s::process::commandline::win::CommandLine;

namespace {

std::vector<std::u16string> split(const char16_t* text) {
  s::str::strarray::StrArray parts;
  s::process::commandline::splitCommandLine(text, parts);
  std::vector<std::u16string> out;
  for (std::uint32_t i = 0; i < parts.count(); ++i) out.emplace_back(parts.at(i)->text());
  return out;
}

std::vector<std::u16string> argumentsOf(const CommandLine& line) {
  std::vector<std::u16string> out;
  for (std::uint32_t i = 0; i < line.argumentCount(); ++i) out.emplace_back(line.argument(i));
  return out;
}

using Parts = std::vector<std::u16string>;

}  // namespace

TEST_CASE("a command line splits at blanks outside quotes, with the runtime's backslash rules") {
  struct Case {
    const char16_t* text;
    Parts parts;
  };
  const Case cases[] = {
      {u"prog", {u"prog"}},
      {u"prog a  b\tc ", {u"prog", u"a", u"b", u"c"}},
      {u"\"C:\\Program Files\\prog.exe\" x", {u"C:\\Program Files\\prog.exe", u"x"}},
      // The program name takes backslashes literally, even before a quote.
      {u"C:\\dir\\\"x y\" z", {u"C:\\dir\\x y", u"z"}},
      {u"p \"a b\" c", {u"p", u"a b", u"c"}},
      {u"p a\"b c\"d", {u"p", u"ab cd"}},
      // 2n backslashes and a quote: n backslashes, the quote groups.
      {u"p a\\\\\"b c\"", {u"p", u"a\\b c"}},
      // 2n + 1 backslashes and a quote: n backslashes and a literal quote.
      {u"p a\\\"b", {u"p", u"a\"b"}},
      {u"p a\\\\\\\"b", {u"p", u"a\\\"b"}},
      // Backslashes not before a quote are plain.
      {u"p a\\b\\\\c", {u"p", u"a\\b\\\\c"}},
      // A doubled quote inside a group is one quote and the group goes on.
      {u"p \"a\"\"b c\"", {u"p", u"a\"b c"}},
      {u"p \"\"", {u"p", u""}},
      {u"p \"open", {u"p", u"open"}},
      {u"", {u""}},
  };
  for (const Case& c : cases) {
    CAPTURE(std::u16string(c.text).size());
    CHECK(split(c.text) == c.parts);
  }
}

TEST_CASE("/x and -x are one argument, kept as -x; plain arguments and the program name stay") {
  auto line = s::thread::obtain<CommandLine>();
  line->parse(u"\"C:\\Apps\\VexoOmbrel.exe\" /a -a plain \"/quoted flag\" - / a-b");
  CHECK(argumentsOf(*line) == Parts{u"-a", u"-a", u"plain", u"-quoted flag", u"-", u"-", u"a-b"});
  CHECK(std::u16string(line->argument(99)) == u"");

  // Parsing again appends; back in the pool the record forgets.
  line->parse(u"p /b");
  CHECK(line->argumentCount() == 8);
  CHECK(std::u16string(line->argument(7)) == u"-b");
  line->reset();
  CHECK(line->argumentCount() == 0);
}
