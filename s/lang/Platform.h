#pragma once

#include <cstdint>

namespace s::lang {

// The two questions the language code asks the operating system. Windows answers them itself;
// on the host a stand-in that tests set (s/lang/host/HostLanguage.h) answers.

// The user's interface language as a Windows language id (GetUserDefaultUILanguage).
std::uint16_t queryUserInterfaceLanguage();

// Whether the system is older than Windows Vista (major version below 6).
bool queryOlderThanVista();

}  // namespace s::lang
