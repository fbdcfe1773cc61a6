#pragma once

namespace s::system::gui::dialogs::rarodaviro::win {

// Hands an address to the shell (verb "open", shown normally) so that the user's browser
// opens it; whatever the shell answers is ignored.
void openWebPage(const char16_t* address);

}  // namespace s::system::gui::dialogs::rarodaviro::win
