#include "s/lang/Platform.h"

#include <windows.h>

namespace s::lang {

std::uint16_t queryUserInterfaceLanguage() { return ::GetUserDefaultUILanguage(); }

}  // namespace s::lang
