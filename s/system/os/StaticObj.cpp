#include "s/system/os/StaticObj.h"

#include "s/system/os/Platform.h"

namespace s::system::os::win {

StaticObj::StaticObj() {
  VersionFacts facts = queryVersionFacts();
  majorVersion = static_cast<std::int32_t>(facts.majorVersion);
  minorVersion = static_cast<std::int32_t>(facts.minorVersion);
  buildNumber = static_cast<std::int32_t>(facts.buildNumber);
  isNt = facts.platformId == kPlatformWin32Nt;
  isXpOrLater = majorVersion > 5 || (majorVersion == 5 && minorVersion >= 1);
  isVistaOrLater = majorVersion > 6 || (majorVersion == 6 && minorVersion >= 0);
  isWin7OrLater = majorVersion > 6 || (majorVersion == 6 && minorVersion >= 1);
  servicePack = s::str::strbuffer::newStr(facts.servicePack);
  isWow64 = facts.isWow64;
}

namespace {
bool isNtVersion(std::int32_t major, std::int32_t minor) {
  StaticObj os;
  return os.isNt && os.majorVersion == major && os.minorVersion == minor;
}
}  // namespace

bool IsSupportedOs() {
  // Each step asks on a freshly built record, as start-up and the heap editor always have.
  return isNtVersion(5, 1) || isNtVersion(5, 2);
}

}  // namespace s::system::os::win
