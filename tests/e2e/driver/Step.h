#pragma once

// One step of the driver: a verb and its arguments, from a command line or one line of a script.
// Arguments are key=value pairs (a key may repeat) or bare words.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

struct Arg {
  std::string key;  // empty for a bare word
  std::string value;
};

class Step {
 public:
  std::string verb;
  std::vector<Arg> args;
  int line = 0;  // in a script; 0 on the command line

  bool has(const std::string& key) const { return raw(key) != nullptr; }
  // The value as written (backslashes untouched), or null.
  const std::string* raw(const std::string& key) const;
  std::vector<std::string> all(const std::string& key) const;
  std::vector<std::string> words() const;
  // The value with text escapes undone; false when absent or malformed (error says which).
  bool text(const std::string& key, std::u16string* out, std::string* error) const;
  // A decimal or 0x-hexadecimal integer; fallback when absent, false when malformed.
  bool integer(const std::string& key, std::int64_t fallback, std::int64_t* out,
               std::string* error) const;
  // "x,y", two integers.
  bool point(const std::string& key, int* x, int* y, std::string* error) const;
  // Names the first key not in the list, so a misspelt key stops the step instead of being
  // ignored.
  bool onlyKeys(std::initializer_list<const char*> allowed, std::string* error) const;
};

// Splits a script line: blanks separate words, double quotes group (a backslash inside them
// keeps the next character, quote included, for the text escapes to read later), and a line
// whose first word starts with '#' is a comment. An empty verb means nothing to do.
bool parseStepLine(const std::string& line, Step* step, std::string* error);

// The same from words a shell has already split.
Step stepFromWords(const std::vector<std::string>& words);

bool parseInteger(const std::string& text, std::int64_t* out);

}  // namespace e2e
