#include "s/app/Identification.h"

#include "s/lang/Lang.h"
#include "s/map/IMappedData.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::app {

void writeIdentification(s::map::IMappedData& store, const char16_t* sectionPrefix,
                         const char16_t* editionWord, s::lang::Localizer* localizer,
                         std::int32_t titleEntry) {
  using s::str::strbuffer::newStr2;
  store.setString(newStr2(sectionPrefix, u"SoftwareType")->text(), u"", editionWord);
  if (localizer == nullptr) return;
  store.setString(newStr2(sectionPrefix, u"SoftwareID")->text(), u"",
                  s::lang::textOf(*localizer, kProductNameEntry));
  store.setString(newStr2(sectionPrefix, u"Version")->text(), u"",
                  s::lang::textOf(*localizer, titleEntry + kVersionOffset));
}

}  // namespace s::app
