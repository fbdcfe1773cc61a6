// The host's stand-in for the operating system decides the start language and the Venetian
// adjustment here; on Windows the real system answers, so these cases are host-only.
#ifndef _WIN32

#include <doctest/doctest.h>

#include <string>

#include "s/lang/Lang.h"
#include "s/lang/SystemLanguage.h"
#include "s/lang/host/HostLanguage.h"
#include "s/system/os/host/HostPlatform.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"
#include "support/LangDocument.h"

using s::lang::LangPack;

namespace {

// Puts the stand-ins back to their defaults however the test ends.
struct PlatformRestorer {
  ~PlatformRestorer() {
    s::system::os::host::resetPlatform();
    s::lang::host::resetLanguagePlatform();
  }
};

s::base::Owned<s::lang::Localizer> embeddedDocument() {
  return s::lang::createLocalizerFromUtf8(support::langDocumentBytes(),
                                          support::langDocumentSize());
}

}  // namespace

TEST_CASE("the start language follows the user's interface language") {
  PlatformRestorer restorer;
  struct Case {
    std::uint16_t id;
    const char16_t* systemName;
    const char16_t* start;
  };
  const Case cases[] = {
      {0x0C0A, u"Spanish", u"Spanish"},
      {0x0403, u"Catalan", u"English"},
      {0x0804, u"Chinese_simplified", u"Chinese_Simplified"},
      {0x0C04, u"Chinese_traditional", u"Chinese_Traditional"},
      {0x4404, u"Chinese", u"Chinese_Simplified"},
      {0x0816, u"Portuguese_portugal", u"Portuguese_Brazilian"},
      {0x0407, u"German", u"German"},
      {0x0419, u"Russian", u"Russian"},
      {0x002E, u"Unknown", u"English"},
      {0x0409, u"English", u"English"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.id);
    s::lang::host::setUserInterfaceLanguage(c.id);
    CHECK(std::u16string(s::lang::systemLanguageName()) == c.systemName);
    auto localizer = embeddedDocument();
    REQUIRE(localizer->current() != nullptr);
    CHECK(std::u16string(localizer->current()->engName().text()) == c.start);
  }
}

TEST_CASE("a localizer with no current pack yet takes the system's language on first use") {
  PlatformRestorer restorer;
  s::lang::host::setUserInterfaceLanguage(0x040C);
  auto localizer = s::thread::obtain<s::lang::Localizer>();
  auto root = s::xml::newNode();
  root->parse(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
      u"<entry tagName=\"fra\" engName=\"French\"/></languages><entries>"
      u"<entry id=\"1\"><eng>Close</eng><fra>Fermer</fra></entry></entries></lang>");
  s::lang::loadPacks(*localizer, *root);
  CHECK(localizer->current() == nullptr);
  CHECK(std::u16string(s::lang::textOf(*localizer, 1)) == u"Fermer");

  s::lang::host::setUserInterfaceLanguage(0x0403);
  s::lang::loadPacks(*localizer, *root);
  CHECK(std::u16string(s::lang::textOf(*localizer, 1)) == u"Close");
}

TEST_CASE("the stored-language rule starts from the system's language") {
  PlatformRestorer restorer;
  s::lang::host::setUserInterfaceLanguage(0x0407);
  auto localizer = embeddedDocument();
  // The setting's default is the current pack's name, which needs no writing back.
  REQUIRE(localizer->current() != nullptr);
  CHECK_FALSE(s::lang::applyStoredLanguage(*localizer, localizer->current()->engName().text()));
  auto writeBack = s::lang::applyStoredLanguage(*localizer, u"Klingon");
  REQUIRE(writeBack);
  CHECK(std::u16string(writeBack->text()) == u"English");
}

TEST_CASE("Venetian and Romanian texts get the letters old fonts have only before Vista") {
  PlatformRestorer restorer;
  using s::system::os::host::ntVersion;
  struct Case {
    s::system::os::VersionFacts facts;
    bool older;
  };
  // A system that cannot say (nothing filled in) counts as the older kind.
  const Case cases[] = {{ntVersion(5, 1), true},
                        {ntVersion(5, 2, 3790), true},
                        {ntVersion(6, 0, 6000), false},
                        {ntVersion(6, 1, 7601), false},
                        {s::system::os::VersionFacts{}, true}};
  for (const Case& c : cases) {
    CAPTURE(c.facts.majorVersion);
    CAPTURE(c.facts.minorVersion);
    s::system::os::host::setVersionFacts(c.facts);
    s::lang::forgetSystemFacts();
    CHECK(s::lang::isOlderThanVista() == c.older);
    auto localizer = embeddedDocument();
    s::lang::selectLanguage(*localizer, u"Venetian");
    std::u16string undo = s::lang::textOf(*localizer, 1003000);
    CHECK(undo == (c.older ? u"Anula \u0142a mod\u00ecfega" : u"Anula \u019Aa mod\u00ecfega"));
    // The apply button and both success messages are where XP users would see boxes.
    s::lang::selectLanguage(*localizer, u"Romanian");
    CHECK(std::u16string(s::lang::textOf(*localizer, 1002000)) ==
          (c.older ? u"M\u0103ri\u0163i acum!" : u"M\u0103ri\u021Bi acum!"));
    CHECK(std::u16string(s::lang::textOf(*localizer, 1012000)) ==
          (c.older ? u"Opera\u0163ie reu\u015Fit\u0103!\r\nReporni\u0163i computerul acum."
                   : u"Opera\u021Bie reu\u0219it\u0103!\r\nReporni\u021Bi computerul acum."));
    REQUIRE(localizer->current() != nullptr);
    const LangPack& romanian = *localizer->current();
    REQUIRE(std::u16string(romanian.engName().text()) == u"Romanian");
    std::uint32_t commaBelow = 0;
    for (std::uint32_t i = 0; i < romanian.textCount(); ++i) {
      const std::u16string text = romanian.textAt(i).text();
      commaBelow += static_cast<std::uint32_t>(text.find_first_of(u"\u0218\u0219\u021A\u021B") !=
                                               std::u16string::npos);
    }
    if (c.older) {
      CHECK(commaBelow == 0);
    } else {
      CHECK(commaBelow > 10);
    }
  }
}

TEST_CASE("the system's age is noted once: a later change of system is not seen") {
  PlatformRestorer restorer;
  s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(5, 1));
  s::lang::forgetSystemFacts();
  REQUIRE(s::lang::isOlderThanVista());
  s::system::os::host::setVersionFacts(s::system::os::host::ntVersion(6, 1, 7601));
  CHECK(s::lang::isOlderThanVista());
  auto pack = s::thread::obtain<s::lang::LangPack>();
  pack->tagName().setText(u"vec");
  s::lang::addText(*pack, 1, u"\u019A");
  CHECK(std::u16string(pack->textAt(0).text()) == u"\u0142");
}

#endif  // _WIN32
