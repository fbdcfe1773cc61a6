#include <doctest/doctest.h>

#include <string>

#include "s/archive/dll/ResourceText.h"
#include "support/ResourceListArchive.h"

using s::archive::dll::readResourceText;
using support::OneResourceArchive;

TEST_CASE("readResourceText decodes the resource's UTF-8, or gives null without one") {
  SUBCASE("present, empty or not") {
    struct Case {
      std::string bytes;
      std::u16string text;
    };
    for (const Case& c :
         {Case{"<lang/>", u"<lang/>"},
          Case{"Portugu\xC3\xAAs \xE2\x82\xAC", u"Portugu\u00EAs \u20AC"}, Case{"", u""}}) {
      OneResourceArchive archive(u"IDR_XML", 130, c.bytes);
      auto text = readResourceText(archive, u"IDR_XML", 130);
      REQUIRE(text);
      CHECK(std::u16string(text->text()) == c.text);
    }
  }
  SUBCASE("another id, another type name case, or unreadable") {
    struct Case {
      const char16_t* typeName;
      std::uint32_t id;
      bool readable;
    };
    for (const Case& c :
         {Case{u"IDR_XML", 131, true}, Case{u"idr_xml", 130, true}, Case{u"IDR_XML", 130, false}}) {
      OneResourceArchive archive(u"IDR_XML", 130, "<lang/>", c.readable);
      CHECK_FALSE(readResourceText(archive, c.typeName, c.id));
    }
  }
}
