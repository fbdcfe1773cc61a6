#include "s/lang/Platform.h"

#include <windows.h>

namespace s::lang {

std::uint16_t queryUserInterfaceLanguage() { return ::GetUserDefaultUILanguage(); }

bool queryOlderThanVista() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  // A system that cannot say is taken as the older kind: the ł replacement is harmless there.
  if (!::GetVersionExW(&info)) return true;
  return info.dwMajorVersion < 6;
}

}  // namespace s::lang
