// The program's own language document, as it is embedded: its languages, its entries and what
// every pack ends up holding.
#include <doctest/doctest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "s/lang/Lang.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/xml/Node.h"
#include "support/LangDocument.h"

using s::base::Owned;
using s::lang::LangPack;
using s::lang::Localizer;

namespace {

struct Language {
  const char16_t* tag;
  const char16_t* engName;
};

const Language kLanguages[27] = {
    {u"eng", u"English"},
    {u"bel", u"Belarusian"},
    {u"fra", u"French"},
    {u"ita", u"Italian"},
    {u"rus", u"Russian"},
    {u"vec", u"Venetian"},
    {u"jpn", u"Japanese"},
    {u"kor", u"Korean"},
    {u"ara", u"Arabic"},
    {u"cze", u"Czech"},
    {u"dan", u"Danish"},
    {u"deu", u"German"},
    {u"spa", u"Spanish"},
    {u"hun", u"Hungarian"},
    {u"nld", u"Dutch"},
    {u"per", u"Persian"},
    {u"pol", u"Polish"},
    {u"bra", u"Portuguese_Brazilian"},
    {u"ron", u"Romanian"},
    {u"srp", u"Serbian"},
    {u"slk", u"Slovak"},
    {u"swe", u"Swedish"},
    {u"tur", u"Turkish"},
    {u"ukr", u"Ukrainian"},
    {u"zhs", u"Chinese_Simplified"},
    {u"zht", u"Chinese_Traditional"},
    {u"vie", u"Vietnamese"},
};
// The first eight are complete translations; the others may lack entries.
constexpr std::uint32_t kFullLanguages = 8;

// Every entry the program shows, in document order.
const std::int32_t kEntryIds[] = {
    100000,  101000,  105000,  106000,  107000,  108000,  108100,     108200,     108500,  300000,
    400010,  400020,  400030,  400050,  400080,  400100,  400110,     400120,     500000,  500001,
    500002,  500003,  500004,  500006,  500010,  500020,  500030,     500050,     500052,  500089,
    500090,  500100,  500101,  500102,  609000,  609100,  609300,     609350,     609420,  609440,
    609450,  609460,  700000,  700001,  701000,  701100,  701200,     701300,     1000000, 1002000,
    1003000, 1012000, 1013000, 1014000, 1015000, 1016000, 2010000000, 2010001000,
};

// Entries that are the same in every language: addresses, names, numbers, and the empty ones.
const std::set<std::int32_t> kUntranslated = {
    100000, 101000, 106000, 108000, 108200, 108500, 300000, 500000, 500002, 500003,
    500004, 500006, 500010, 500020, 500030, 500052, 500100, 500101, 500102,
};
const std::set<std::int32_t> kEmpty = {500052, 500101, 500102};

Owned<Localizer> embeddedDocument() {
  return s::lang::createLocalizerFromUtf8(support::langDocumentBytes(),
                                          support::langDocumentSize());
}

Owned<s::xml::Node> parsedDocument() {
  auto text = s::str::strbuffer::newStr();
  text->fromUtf8(support::langDocumentBytes(), false, support::langDocumentSize());
  auto root = s::xml::newNode();
  root->parse(text->text());
  return root;
}

std::u16string textIn(Localizer& localizer, std::uint32_t pack, std::int32_t id) {
  s::lang::selectLanguageAt(localizer, pack);
  return s::lang::textOf(localizer, id);
}

}  // namespace

TEST_CASE("the document has the 27 languages in order, the partial ones marked") {
  auto localizer = embeddedDocument();
  REQUIRE(localizer->packCount() == 27);
  for (std::uint32_t i = 0; i < 27; ++i) {
    const LangPack& pack = *localizer->packAt(i);
    CAPTURE(i);
    CHECK(std::u16string(pack.tagName().text()) == kLanguages[i].tag);
    CHECK(std::u16string(pack.engName().text()) == kLanguages[i].engName);
    std::u16string trueName = pack.trueName().text();
    bool partial =
        trueName.size() > 10 && trueName.compare(trueName.size() - 10, 10, u" (Partial)") == 0;
    CHECK(partial == (i >= kFullLanguages));
    CHECK(trueName.size() > (partial ? 10u : 0u));
  }
}

TEST_CASE("the document's entries are the program's, each once, and every pack has them all") {
  auto root = parsedDocument();
  const s::xml::Node* entries = root->findChild(u"entries");
  REQUIRE(entries != nullptr);
  std::vector<std::int32_t> documentIds;
  for (std::uint32_t i = 0; i < entries->childCount(); ++i) {
    CHECK(entries->child(i)->nameEquals(u"entry"));
    documentIds.push_back(entries->child(i)->getInt32(u"id", -1));
  }
  CHECK(documentIds == std::vector<std::int32_t>(std::begin(kEntryIds), std::end(kEntryIds)));

  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    const LangPack& pack = *localizer->packAt(p);
    CAPTURE(p);
    REQUIRE(pack.textCount() == documentIds.size());
    for (std::uint32_t i = 0; i < pack.textCount(); ++i) CHECK(pack.idAt(i) == documentIds[i]);
  }
}

TEST_CASE("the full languages translate every worded entry themselves") {
  auto root = parsedDocument();
  const s::xml::Node* entries = root->findChild(u"entries");
  REQUIRE(entries != nullptr);
  for (std::uint32_t i = 0; i < entries->childCount(); ++i) {
    const s::xml::Node& entry = *entries->child(i);
    const std::int32_t id = entry.getInt32(u"id", -1);
    CAPTURE(id);
    // The first element is the English text every other language falls back to.
    REQUIRE(entry.childCount() > 0);
    CHECK(std::u16string(entry.child(0)->name()) == u"eng");
    if (kUntranslated.count(id) > 0) {
      CHECK(entry.childCount() == 1);
      continue;
    }
    for (std::uint32_t language = 0; language < kFullLanguages; ++language) {
      CAPTURE(language);
      CHECK(entry.findChild(kLanguages[language].tag) != nullptr);
    }
  }
}

TEST_CASE("no text is empty except the entries meant to be") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    for (std::int32_t id : kEntryIds) {
      CAPTURE(p);
      CAPTURE(id);
      CHECK(textIn(*localizer, p, id).empty() == (kEmpty.count(id) > 0));
    }
  }
}

TEST_CASE("the licence value shown by the version window reads as the licence type") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    CAPTURE(p);
    CHECK(textIn(*localizer, p, 500050) == textIn(*localizer, p, 500001));
  }
  CHECK(textIn(*localizer, 0, 500050) == u"Freeware");
}

TEST_CASE("the English texts the program relies on") {
  auto localizer = embeddedDocument();
  struct Case {
    std::int32_t id;
    const char16_t* text;
  };
  const Case cases[] = {
      {300000, u"Vexo Ombrel"},
      {500000, u"Vexo Ombrel"},
      {500010, u"1.05"},
      {609420, u"\"Keep on Top\" Check Box"},
      {1002000, u"Increase it Now!"},
      {1003000, u"Undo the Change"},
      {700000, u"Language"},
      {2010001000, u"Close"},
  };
  for (const Case& c : cases) CHECK(textIn(*localizer, 0, c.id) == c.text);
}
