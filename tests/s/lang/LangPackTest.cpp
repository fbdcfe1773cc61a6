#include <doctest/doctest.h>

#include <string>
#include <utility>

#include "s/col/_array/NumberArray.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"
#include "support/LangDocument.h"
#include "support/ResourceListArchive.h"

using s::base::Owned;
using s::lang::LangPack;
using s::lang::Localizer;

namespace {

// Three languages; English is not first, so a fallback to "the first pack" is visible.
const char16_t* const kLanguages =
    u"<languages>"
    u"<entry tagName=\"dan\" engName=\"Danish\" trueName=\"Dansk\"/>"
    u"<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
    u"<entry tagName=\"fra\" engName=\"French\" trueName=\"Fran\u00e7ais\"/>"
    u"</languages>";

Owned<Localizer> load(const std::u16string& entries) {
  std::u16string doc =
      u"<lang>" + std::u16string(kLanguages) + u"<entries>" + entries + u"</entries></lang>";
  return s::lang::createLocalizerFromText(doc.c_str());
}

std::u16string textIn(Localizer& localizer, const char16_t* engName, std::int32_t id) {
  s::lang::selectLanguage(localizer, engName);
  return s::lang::textOf(localizer, id);
}

Owned<Localizer> embeddedDocument() {
  return s::lang::createLocalizerFromUtf8(support::langDocumentBytes(),
                                          support::langDocumentSize());
}

}  // namespace

TEST_CASE("textOf gives the empty text for an entry the document lacks") {
  auto localizer = load(u"<entry id=\"7\"><eng>Seven</eng></entry>");
  const char16_t* text = s::lang::textOf(*localizer, 8);
  REQUIRE(text != nullptr);
  CHECK(std::u16string(text).empty());
  CHECK(textIn(*localizer, u"English", 7) == u"Seven");
}

TEST_CASE("languages without their own element get the text of the entry's first one") {
  struct Case {
    const char* what;
    const char16_t* entry;
    const char16_t* danish;
    const char16_t* english;
    const char16_t* french;
  };
  const Case cases[] = {
      {"English only", u"<entry id=\"1\"><eng>Close</eng></entry>", u"Close", u"Close", u"Close"},
      {"Danish first", u"<entry id=\"1\"><dan>Luk</dan><fra>Fermer</fra></entry>", u"Luk", u"Luk",
       u"Fermer"},
      {"all present", u"<entry id=\"1\"><fra>Fermer</fra><eng>Close</eng><dan>Luk</dan></entry>",
       u"Luk", u"Close", u"Fermer"},
      {"an unknown element first",
       u"<entry id=\"1\"><note>n</note><dan>Luk</dan><eng>Close</eng></entry>", u"Luk", u"Close",
       u"Luk"},
      {"tag names ignore case", u"<entry id=\"1\"><ENG>Close</ENG></entry>", u"Close", u"Close",
       u"Close"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.what);
    auto localizer = load(c.entry);
    CHECK(textIn(*localizer, u"Danish", 1) == c.danish);
    CHECK(textIn(*localizer, u"English", 1) == c.english);
    CHECK(textIn(*localizer, u"French", 1) == c.french);
  }
}

TEST_CASE("an entry without any language element shows no other entry's text") {
  auto localizer = load(
      u"<entry id=\"1\"><eng>One</eng></entry>"
      u"<entry id=\"2\"><note>only a note</note></entry>");
  for (const char16_t* language : {u"Danish", u"English", u"French"}) {
    CHECK(textIn(*localizer, language, 2).empty());
    CHECK(textIn(*localizer, language, 1) == u"One");
  }
  const LangPack* french = s::lang::findPackByName(*localizer, u"French");
  REQUIRE(french != nullptr);
  CHECK(french->textCount() == 2);
}

TEST_CASE("text between the language elements belongs to no translation") {
  auto localizer = load(
      u"<entry id=\"1012000\">\n  A description line.\n"
      u"  <eng>Operation Successful!&#13;&#10;Please restart your computer now.</eng>\n"
      u"  Further paragraph.\n  <fra>Op\u00e9ration r\u00e9ussie&#160;!</fra>\n  Trailing.\n"
      u"</entry>");
  CHECK(textIn(*localizer, u"English", 1012000) ==
        u"Operation Successful!\r\nPlease restart your computer now.");
  CHECK(textIn(*localizer, u"French", 1012000) == u"Op\u00e9ration r\u00e9ussie !");
  CHECK(textIn(*localizer, u"Danish", 1012000) ==
        u"Operation Successful!\r\nPlease restart your computer now.");
}

TEST_CASE("entry 1012000 of the embedded document is two English lines joined by CR LF") {
  auto localizer = embeddedDocument();
  CHECK(textIn(*localizer, u"English", 1012000) ==
        u"Operation Successful!\r\nPlease restart your computer now.");
  CHECK(textIn(*localizer, u"English", 1013000) ==
        u"Undo Successful!\r\nPlease restart your computer now.");
}

TEST_CASE("entries without an id are filed under 0, and a doubled language's first text wins") {
  auto localizer = load(
      u"<entry><eng>No id</eng></entry>"
      u"<entry id=\"5\"><eng>First</eng><eng>Second</eng></entry>"
      u"<entry id=\"-12\"><eng>Negative</eng></entry>");
  CHECK(textIn(*localizer, u"English", 0) == u"No id");
  CHECK(textIn(*localizer, u"English", 5) == u"First");
  CHECK(textIn(*localizer, u"Danish", 5) == u"First");
  CHECK(textIn(*localizer, u"English", -12) == u"Negative");
  const LangPack* english = s::lang::findPackByName(*localizer, u"English");
  const LangPack* danish = s::lang::findPackByName(*localizer, u"Danish");
  REQUIRE(english != nullptr);
  REQUIRE(danish != nullptr);
  CHECK(english->textCount() == 4);
  CHECK(danish->textCount() == 3);
}

TEST_CASE("a document without languages or entries gives empty texts") {
  SUBCASE("no languages element: no packs") {
    auto localizer = s::lang::createLocalizerFromText(
        u"<lang><entries><entry id=\"1\"><eng>x</eng></entry></entries></lang>");
    CHECK(localizer->packCount() == 0);
    CHECK(s::lang::currentPack(*localizer) == nullptr);
    CHECK(std::u16string(s::lang::textOf(*localizer, 1)).empty());
    s::lang::selectLanguage(*localizer, u"English");
    s::lang::selectLanguageAt(*localizer, 0);
    CHECK(localizer->current() == nullptr);
  }
  SUBCASE("no entries element: packs without texts") {
    auto bare = s::lang::createLocalizerFromText(
        (u"<lang>" + std::u16string(kLanguages) + u"</lang>").c_str());
    REQUIRE(bare->packCount() == 3);
    CHECK(bare->packAt(0)->textCount() == 0);
    CHECK(std::u16string(s::lang::textOf(*bare, 1)).empty());
  }
  SUBCASE("not a document at all") {
    auto localizer = s::lang::createLocalizerFromUtf8("plain words", 11);
    CHECK(localizer->packCount() == 0);
    auto empty = s::lang::createLocalizerFromUtf8(nullptr, 0);
    CHECK(empty->packCount() == 0);
  }
}

TEST_CASE("a language entry's missing attributes give empty names") {
  auto localizer = s::lang::createLocalizerFromText(
      u"<lang><languages><entry tagName=\"xx\"/><other tagName=\"yy\"/></languages></lang>");
  REQUIRE(localizer->packCount() == 1);
  const LangPack& pack = *localizer->packAt(0);
  CHECK(std::u16string(pack.tagName().text()) == u"xx");
  CHECK(pack.engName().isEmpty());
  CHECK(pack.trueName().isEmpty());
}

TEST_CASE("findPackByTag ignores case and compares whole tags") {
  auto localizer = load(u"");
  CHECK(s::lang::findPackByTag(*localizer, u"FRA") == localizer->packAt(2));
  CHECK(s::lang::findPackByTag(*localizer, u"dan") == localizer->packAt(0));
  CHECK(s::lang::findPackByTag(*localizer, u"fr") == nullptr);
  CHECK(s::lang::findPackByTag(*localizer, u"fran") == nullptr);
  CHECK(s::lang::findPackByTag(*localizer, u"") == nullptr);
}

TEST_CASE("loading again replaces the packs and forgets the current one") {
  auto localizer = load(u"<entry id=\"1\"><eng>One</eng></entry>");
  s::lang::selectLanguage(*localizer, u"French");
  auto root = s::xml::newNode();
  root->parse(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages>"
      u"<entries><entry id=\"2\"><eng>Two</eng></entry></entries></lang>");
  s::lang::loadPacks(*localizer, *root);
  REQUIRE(localizer->packCount() == 1);
  CHECK(localizer->current() == nullptr);
  CHECK(std::u16string(s::lang::textOf(*localizer, 2)) == u"Two");
  CHECK(std::u16string(s::lang::textOf(*localizer, 1)).empty());
}

TEST_CASE("giving the localizer back gives its packs back to their pool") {
  auto& packPool = s::thread::poolOf<LangPack>();
  auto localizer = load(u"<entry id=\"1\"><eng>One</eng></entry>");
  std::uint32_t freeBefore = packPool.freeCount();
  localizer.reset();
  CHECK(packPool.freeCount() == freeBefore + 3);
  // A pack from the pool is empty again.
  auto pack = s::thread::obtain<LangPack>();
  CHECK(pack->textCount() == 0);
  CHECK(pack->tagName().isEmpty());
  CHECK(pack->engName().isEmpty());
}

TEST_CASE(
    "createLocalizer reads the document from the archive, or gives a localizer without "
    "packs") {
  const std::string doc(support::langDocumentBytes(), support::langDocumentSize());
  SUBCASE("present") {
    support::OneResourceArchive archive(u"IDR_XML", 130, doc);
    auto localizer = s::lang::createLocalizer(archive, u"IDR_XML", 130);
    CHECK(localizer->packCount() == 27);
    CHECK(localizer->current() != nullptr);
  }
  SUBCASE("missing, of another type name case, or unreadable") {
    struct Case {
      const char16_t* typeName;
      std::uint32_t id;
      bool readable;
    };
    for (const Case& c :
         {Case{u"IDR_XML", 131, true}, Case{u"idr_xml", 130, true}, Case{u"IDR_XML", 130, false}}) {
      support::OneResourceArchive archive(u"IDR_XML", 130, doc, c.readable);
      auto localizer = s::lang::createLocalizer(archive, c.typeName, c.id);
      CHECK(localizer->packCount() == 0);
      CHECK(std::u16string(s::lang::textOf(*localizer, 1002000)).empty());
    }
  }
}

TEST_CASE("of two packs with one tag, the first takes the texts and the second the fallback") {
  auto localizer = s::lang::createLocalizerFromText(
      u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
      u"<entry tagName=\"ENG\" engName=\"Shadow\"/><entry tagName=\"fra\" engName=\"French\"/>"
      u"</languages><entries><entry id=\"1\"><fra>Un</fra><eng>One</eng><eng>Uno</eng></entry>"
      u"</entries></lang>");
  REQUIRE(localizer->packCount() == 3);
  const LangPack& english = *localizer->packAt(0);
  REQUIRE(english.textCount() == 2);
  CHECK(std::u16string(english.textAt(1).text()) == u"Uno");
  CHECK(textIn(*localizer, u"English", 1) == u"One");
  CHECK(textIn(*localizer, u"Shadow", 1) == u"Un");
  CHECK(textIn(*localizer, u"French", 1) == u"Un");
}
