#include "s/process/commandline/CommandLine.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::process::commandline {

using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

namespace {

bool isBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

// The program name: quotes group and are dropped, backslashes are plain characters.
const char16_t* takeProgramName(const char16_t* at, StrBuffer& name) {
  bool quoted = false;
  for (; *at != 0; ++at) {
    if (*at == u'"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && isBlank(*at)) break;
    name.appendChar(*at);
  }
  return at;
}

const char16_t* takeArgument(const char16_t* at, StrBuffer& argument) {
  bool quoted = false;
  for (;;) {
    std::uint32_t slashes = 0;
    while (*at == u'\\') ++at, ++slashes;
    bool literal = true;
    if (*at == u'"') {
      if (slashes % 2 == 0) {
        if (quoted && at[1] == u'"') {
          ++at;  // "" inside a group is one quote, and the group goes on
        } else {
          literal = false;
          quoted = !quoted;
        }
      }
      slashes /= 2;
    }
    for (; slashes > 0; --slashes) argument.appendChar(u'\\');
    if (*at == 0 || (!quoted && isBlank(*at))) return at;
    if (literal) argument.appendChar(*at);
    ++at;
  }
}

}  // namespace

void splitCommandLine(const char16_t* text, s::str::strarray::StrArray& parts) {
  if (text == nullptr) return;
  auto name = newStr();
  const char16_t* at = takeProgramName(text, *name);
  parts.add(std::move(name));
  for (;;) {
    while (isBlank(*at)) ++at;
    if (*at == 0) return;
    auto argument = newStr();
    at = takeArgument(at, *argument);
    parts.add(std::move(argument));
  }
}

namespace win {

CommandLine::CommandLine() = default;

CommandLine::~CommandLine() = default;

s::base::IObject* CommandLine::newInstance() const {
  return s::thread::takeFromPool<CommandLine>();
}

void CommandLine::release() { s::thread::giveBackToPool(this); }

void CommandLine::reset() { arguments_.clear(); }

const char16_t* CommandLine::argument(std::uint32_t index) const {
  return index < arguments_.count() ? arguments_.at(index)->text() : u"";
}

void CommandLine::addArgument(const char16_t* text, bool flagged) {
  auto stored = newStr(flagged ? u"-" : u"");
  stored->appendText(text);
  arguments_.add(std::move(stored));
}

void CommandLine::parse(const char16_t* commandLineText) {
  s::str::strarray::StrArray parts;
  splitCommandLine(commandLineText, parts);
  for (std::uint32_t i = 1; i < parts.count(); ++i) {
    const char16_t* text = parts.at(i)->text();
    const bool flagged = text[0] == u'-' || text[0] == u'/';
    addArgument(flagged ? text + 1 : text, flagged);
  }
}

}  // namespace win
}  // namespace s::process::commandline
