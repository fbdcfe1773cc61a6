#include "Step.h"

#include <cerrno>
#include <cstdlib>

#include "Text.h"

namespace e2e {

namespace {

bool isKeyChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// "key=value" when the word starts with a key name and an equals sign outside quotes.
Arg argOf(const std::string& word, std::size_t keyEnd) {
  if (keyEnd != std::string::npos && keyEnd > 0) {
    return Arg{word.substr(0, keyEnd), word.substr(keyEnd + 1)};
  }
  return Arg{"", word};
}

std::size_t keyEndOf(const std::string& word) {
  std::size_t i = 0;
  while (i < word.size() && isKeyChar(word[i])) ++i;
  return (i > 0 && i < word.size() && word[i] == '=') ? i : std::string::npos;
}

}  // namespace

const std::string* Step::raw(const std::string& key) const {
  for (const Arg& arg : args) {
    if (arg.key == key) return &arg.value;
  }
  return nullptr;
}

std::vector<std::string> Step::all(const std::string& key) const {
  std::vector<std::string> values;
  for (const Arg& arg : args) {
    if (arg.key == key) values.push_back(arg.value);
  }
  return values;
}

std::vector<std::string> Step::words() const { return all(""); }

bool Step::text(const std::string& key, std::u16string* out, std::string* error) const {
  const std::string* value = raw(key);
  if (value == nullptr) {
    *error = "missing " + key + "=";
    return false;
  }
  if (!unescapeText(*value, out)) {
    *error = "bad \\u escape in " + key + "=";
    return false;
  }
  return true;
}

bool Step::integer(const std::string& key, std::int64_t fallback, std::int64_t* out,
                   std::string* error) const {
  const std::string* value = raw(key);
  if (value == nullptr) {
    *out = fallback;
    return true;
  }
  if (!parseInteger(*value, out)) {
    *error = key + "=" + *value + " is not a number";
    return false;
  }
  return true;
}

bool Step::point(const std::string& key, int* x, int* y, std::string* error) const {
  const std::string* value = raw(key);
  std::size_t comma = value == nullptr ? std::string::npos : value->find(',');
  std::int64_t first = 0;
  std::int64_t second = 0;
  if (comma == std::string::npos || !parseInteger(value->substr(0, comma), &first) ||
      !parseInteger(value->substr(comma + 1), &second)) {
    *error = key + "= wants x,y";
    return false;
  }
  *x = static_cast<int>(first);
  *y = static_cast<int>(second);
  return true;
}

bool Step::onlyKeys(std::initializer_list<const char*> allowed, std::string* error) const {
  for (const Arg& arg : args) {
    if (arg.key.empty()) continue;
    bool known = false;
    for (const char* key : allowed) known = known || arg.key == key;
    if (!known) {
      *error = verb + " does not take " + arg.key + "=";
      return false;
    }
  }
  return true;
}

bool parseStepLine(const std::string& line, Step* step, std::string* error) {
  *step = Step{};
  std::vector<std::string> words;
  std::vector<std::size_t> keyEnds;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i == line.size()) break;
    if (words.empty() && line[i] == '#') return true;
    std::string word;
    std::size_t keyEnd = std::string::npos;
    bool quoted = false;
    bool quotedBeforeEquals = false;
    while (i < line.size()) {
      char c = line[i];
      if (!quoted && (c == ' ' || c == '\t' || c == '\r')) break;
      if (c == '"') {
        quoted = !quoted;
        if (keyEnd == std::string::npos) quotedBeforeEquals = true;
        ++i;
        continue;
      }
      if (quoted && c == '\\' && i + 1 < line.size()) {
        word += c;
        word += line[i + 1];
        i += 2;
        continue;
      }
      if (!quoted && c == '=' && keyEnd == std::string::npos && !quotedBeforeEquals) {
        keyEnd = word.size();
      }
      word += c;
      ++i;
    }
    if (quoted) {
      *error = "unterminated quote";
      return false;
    }
    // Only a well-formed key counts: "a b=c" in quotes stays one bare word.
    if (keyEnd != std::string::npos && keyEndOf(word) != keyEnd) keyEnd = std::string::npos;
    words.push_back(word);
    keyEnds.push_back(keyEnd);
  }
  if (words.empty()) return true;
  step->verb = words[0];
  for (std::size_t w = 1; w < words.size(); ++w) step->args.push_back(argOf(words[w], keyEnds[w]));
  return true;
}

Step stepFromWords(const std::vector<std::string>& words) {
  Step step;
  if (words.empty()) return step;
  step.verb = words[0];
  for (std::size_t w = 1; w < words.size(); ++w) {
    step.args.push_back(argOf(words[w], keyEndOf(words[w])));
  }
  return step;
}

bool parseInteger(const std::string& text, std::int64_t* out) {
  if (text.empty()) return false;
  const char* start = text.c_str();
  bool negative = *start == '-';
  if (negative) ++start;
  int base = 10;
  if (start[0] == '0' && (start[1] == 'x' || start[1] == 'X')) {
    base = 16;
    start += 2;
  }
  if (*start == '\0' || *start == '-' || *start == '+' || *start == ' ') return false;
  char* end = nullptr;
  errno = 0;
  unsigned long long value = std::strtoull(start, &end, base);
  if (errno != 0 || *end != '\0' || value > 0x7FFFFFFFFFFFFFFFull) return false;
  *out = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
  return true;
}

}  // namespace e2e
