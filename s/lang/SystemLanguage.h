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

// Whether the system is older than Windows Vista, noted once per process.
bool isOlderThanVista();

// Forgets the noted name and system age so that the platform is asked again. The program never
// needs this; the host's stand-in calls it when a test changes its answers.
void forgetSystemFacts();

}  // namespace s::lang
