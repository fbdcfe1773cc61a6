#include "s/lang/host/HostLanguage.h"

#include "s/lang/Platform.h"
#include "s/lang/SystemLanguage.h"

namespace s::lang {

namespace {
constexpr std::uint16_t kDefaultLanguageId = 0x0409;
std::uint16_t gLanguageId = kDefaultLanguageId;
}  // namespace

std::uint16_t queryUserInterfaceLanguage() { return gLanguageId; }

namespace host {

void setUserInterfaceLanguage(std::uint16_t languageId) {
  gLanguageId = languageId;
  forgetSystemFacts();
}

void resetLanguagePlatform() {
  gLanguageId = kDefaultLanguageId;
  forgetSystemFacts();
}

}  // namespace host

}  // namespace s::lang
