#pragma once

#include <cstdint>

namespace s::lang {

// The upper-case English name of a Windows language id ("ENGLISH", "CHINESE_SIMPLIFIED"): a
// few whole ids have names of their own, every other id is named by its primary-language byte;
// "Unknown" when that byte has no name.
const char16_t* languageNameOfId(std::uint16_t languageId);

// The user's interface language as a capitalised name such as "English" or
// "Chinese_simplified". Worked out once per process; never null, the empty text when no name
// could be formed.
const char16_t* systemLanguageName();

// Whether the system is older than Windows Vista, as the operating-system record says; noted
// once per process.
bool isOlderThanVista();

// Forgets the noted name and system age so that the platform is asked again. The program never
// needs this; tests call it (the language stand-in does so itself) after changing the host's
// stand-ins.
void forgetSystemFacts();

}  // namespace s::lang
