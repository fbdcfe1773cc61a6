#pragma once

#include <cstdint>

namespace s::lang {

// The question the language code asks the operating system of its own. Windows answers it
// itself; on the host a stand-in that tests set (s/lang/host/HostLanguage.h) answers. The
// system's age comes from the operating-system record (s/system/os).

// The user's interface language as a Windows language id (GetUserDefaultUILanguage).
std::uint16_t queryUserInterfaceLanguage();

}  // namespace s::lang
