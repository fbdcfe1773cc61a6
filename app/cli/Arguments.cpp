#include "app/cli/Arguments.h"

#include <string>

#include "s/str/strbuffer/StrBuffer.h"

namespace app::cli {

ParsedArguments parseArguments(const char16_t* const* arguments, std::uint32_t count) {
  ParsedArguments parsed;
  if (count != 1) return parsed;
  const char16_t* argument = arguments[0];
  parsed.offending = argument;
  if (argument == nullptr || (argument[0] != u'/' && argument[0] != u'-')) return parsed;
  struct Name {
    const char16_t* text;
    CommandMode mode;
  };
  static const Name kNames[] = {
      {u"status", CommandMode::kStatus},
      {u"apply", CommandMode::kApply},
      {u"undo", CommandMode::kUndo},
      {u"?", CommandMode::kUsage},
  };
  s::base::Owned<s::str::strbuffer::StrBuffer> name = s::str::strbuffer::newStr(argument + 1);
  for (const Name& known : kNames) {
    if (name->length() == std::char_traits<char16_t>::length(known.text) &&
        name->startsWithIgnoreCase(known.text)) {
      parsed.mode = known.mode;
      parsed.offending = nullptr;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace app::cli
