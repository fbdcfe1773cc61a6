#include "s/gui/MessageBoxRules.h"

namespace s::gui {

namespace {

// The platform's values, repeated here so that the rules stay portable.
constexpr std::uint32_t kYesNoCancelButtons = 0x03;
constexpr std::uint32_t kYesNoButtons = 0x04;
constexpr std::uint32_t kHandIcon = 0x10;
constexpr std::uint32_t kQuestionIcon = 0x20;
constexpr std::uint32_t kExclamationIcon = 0x30;
constexpr std::uint32_t kInformationIcon = 0x40;
constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;
constexpr std::int32_t kYes = 6;
constexpr std::int32_t kNo = 7;

}  // namespace

std::uint32_t messageBoxFlags(MessageKind kind) {
  switch (kind) {
    case MessageKind::kInformation:
      return kInformationIcon;
    case MessageKind::kWarning:
      return kExclamationIcon;
    case MessageKind::kError:
      return kHandIcon;
    case MessageKind::kYesNo:
      return kQuestionIcon | kYesNoButtons;
    case MessageKind::kYesNoCancel:
      return kQuestionIcon | kYesNoCancelButtons;
  }
  return kInformationIcon;
}

std::uint32_t messageBoxModality(std::int32_t style) {
  if (style == 1) return kSystemModal;
  if (style == 2) return kTaskModal;
  return 0;
}

bool questionAnswer(MessageKind kind, std::int32_t answer, bool* yes) {
  switch (kind) {
    case MessageKind::kYesNo:
      return answer == kYes;
    case MessageKind::kYesNoCancel:
      if (answer != kYes && answer != kNo) return false;
      if (yes != nullptr) *yes = answer == kYes;
      return true;
    default:
      return answer != 0;
  }
}

void programTitleOf(const char16_t* path, s::str::strbuffer::StrBuffer& title) {
  title.setText(u"");
  if (path == nullptr) return;
  const char16_t* name = path;
  for (const char16_t* at = path; *at != 0; ++at) {
    if (*at == u'\\' || *at == u'/' || *at == u':') name = at + 1;
  }
  const char16_t* end = name;
  const char16_t* dot = nullptr;
  for (; *end != 0; ++end) {
    if (*end == u'.') dot = end;
  }
  // A name that is all extension (".exe") keeps its text rather than becoming empty.
  if (dot != nullptr && dot != name) end = dot;
  title.appendUnits(name, static_cast<std::uint32_t>(end - name));
}

}  // namespace s::gui
