#pragma once

#include <cstdint>

namespace s::lang::host {

// The host's stand-in for the user's interface language. Until set it answers 0x0409 (English,
// United States). Setting it also forgets what the language code has cached, so the next
// question sees the new answer. The system's age is the operating-system stand-in's
// (s/system/os/host/HostPlatform.h); after changing that, call forgetSystemFacts().
void setUserInterfaceLanguage(std::uint16_t languageId);
// Back to the default above.
void resetLanguagePlatform();

}  // namespace s::lang::host
