#pragma once

#include <cstdint>

namespace s::lang::host {

// The host's stand-in for the user's interface language and the system's age. Until set it
// answers 0x0409 (English, United States) and "older than Vista" (Windows XP). Each setter
// also forgets what the language code has cached, so the next question sees the new answer.
void setUserInterfaceLanguage(std::uint16_t languageId);
void setOlderThanVista(bool older);
// Back to the defaults above.
void resetLanguagePlatform();

}  // namespace s::lang::host
