#pragma once

#include <cstdint>

#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui {

// The kinds of the program's modal messages.
enum class MessageKind { kInformation, kWarning, kError, kYesNo, kYesNoCancel };

// The platform's message-box flags of a kind, icon and buttons, before the modality.
std::uint32_t messageBoxFlags(MessageKind kind);

// The modality flags of a message box's style selector: 0 application-modal, 1 system-modal,
// 2 task-modal; other values are application-modal.
std::uint32_t messageBoxModality(std::int32_t style);

// What the box's answer (the button's id, 0 when the box could not be shown) means for a
// question. Yes/no: true for yes. Yes/no/cancel: true for yes and for no, *yes telling which;
// false for cancel or a failed box, *yes untouched. Other kinds: true when the box was shown.
bool questionAnswer(MessageKind kind, std::int32_t answer, bool* yes);

// The caption of the program's messages: the program file's name without its folder and its
// extension ("C:\Tools\VexoOmbrel.exe" gives "VexoOmbrel").
void programTitleOf(const char16_t* path, s::str::strbuffer::StrBuffer& title);

}  // namespace s::gui
