#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::system::os::win {

// The operating-system version record: filled completely at construction from the platform's
// answer and only read afterwards.
class StaticObj {
 public:
  StaticObj();
  StaticObj(const StaticObj&) = delete;
  StaticObj& operator=(const StaticObj&) = delete;

  bool isNt = false;
  bool isXpOrLater = false;
  bool isVistaOrLater = false;
  bool isWin7OrLater = false;
  s::base::Owned<s::str::strbuffer::StrBuffer> servicePack;
  std::int32_t majorVersion = 0;
  std::int32_t minorVersion = 0;
  std::int32_t buildNumber = 0;
  bool isWow64 = false;
};

// True exactly on NT 5.1 and 5.2 (Windows XP, Windows Server 2003 and XP x64).
bool IsSupportedOs();

}  // namespace s::system::os::win
