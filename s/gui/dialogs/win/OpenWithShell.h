#pragma once

namespace s::gui::dialogs {

// Hands target (a web address) to the shell with the verb "open", shown, without parameters or
// an owner window. The shell's answer is ignored: a page that cannot open changes nothing.
void openWithShell(const char16_t* target);

}  // namespace s::gui::dialogs
