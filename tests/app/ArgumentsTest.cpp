#include <doctest/doctest.h>

#include <string>

#include "app/cli/Arguments.h"

using app::cli::CommandMode;
using app::cli::parseArguments;

TEST_CASE("an argument is one of four names after / or -, in any letter case") {
  struct Case {
    const char16_t* argument;
    CommandMode mode;
  };
  const Case cases[] = {
      {u"/status", CommandMode::kStatus},
      {u"-STATUS", CommandMode::kStatus},
      {u"/Apply", CommandMode::kApply},
      {u"-apply", CommandMode::kApply},
      {u"/UNDO", CommandMode::kUndo},
      {u"/?", CommandMode::kUsage},
      {u"-?", CommandMode::kUsage},
      {u"status", CommandMode::kBadArguments},
      {u"/stat", CommandMode::kBadArguments},
      {u"/statuses", CommandMode::kBadArguments},
      {u"//status", CommandMode::kBadArguments},
      {u"--apply", CommandMode::kBadArguments},
      {u"/ apply", CommandMode::kBadArguments},
      {u"/", CommandMode::kBadArguments},
      {u"", CommandMode::kBadArguments},
      {u"/h", CommandMode::kBadArguments},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.argument, c.argument + std::char_traits<char16_t>::length(c.argument)));
    app::cli::ParsedArguments parsed = parseArguments(&c.argument, 1);
    CHECK(parsed.mode == c.mode);
    if (c.mode == CommandMode::kBadArguments) {
      CHECK(parsed.offending == c.argument);
    } else {
      CHECK(parsed.offending == nullptr);
    }
  }
}

TEST_CASE("no argument or more than one is bad, with no argument to blame") {
  const char16_t* const two[] = {u"/apply", u"/status"};
  for (std::uint32_t count : {0u, 2u}) {
    app::cli::ParsedArguments parsed = parseArguments(two, count);
    CHECK(parsed.mode == CommandMode::kBadArguments);
    CHECK(parsed.offending == nullptr);
  }
}
