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

struct EnglishText {
  std::int32_t id;
  const char16_t* text;
};

// Every entry the program knows, in document order, with its English text.
const EnglishText kEnglish[] = {
    {100000, u"www.vexo.example"},
    {101000, u"https://www.vexo.example/"},
    {105000, u"Support Vexo via Donation"},
    {106000, u"https://www.vexo.example/donate/"},
    {107000, u"More Software from Vexo (online)"},
    {108000, u"https://www.vexo.example/software/"},
    {108100, u"Using at Workplace? (online)"},
    {108200, u"https://www.vexo.example/workplace/"},
    {108500, u"https://www.vexo.example/translate/"},
    {300000, u"Vexo Ombrel"},
    {400010, u"Version:"},
    {400020, u"Last Updated:"},
    {400030, u"OS:"},
    {400050, u"License:"},
    {400080, u"URL:"},
    {400100, u"Version Information"},
    {400110, u"Is this freeware useful?"},
    {400120, u"Close"},
    {500000, u"Vexo Ombrel"},
    {500001, u"Freeware"},
    {500002, u"Ombrel"},
    {500003, u"https://www.vexo.example/ombrel/"},
    {500004, u"https://www.vexo.example/ombrel/feedback/"},
    {500006, u"https://www.vexo.example/ombrel/version/"},
    {500010, u"1.05"},
    {500020, u"2010/08/10"},
    {500030, u"Windows XP/2003/Vista"},
    {500050, u"Freeware"},
    {500052, u""},
    {500089, u"Is this freeware useful?"},
    {500090, u"Please support us via donation."},
    {500100, u"https://www.vexo.example/donate/"},
    {500101, u""},
    {500102, u""},
    {609000, u"View"},
    {609100, u"Keep on Top"},
    {609300, u"Easy Drag"},
    {609350, u"Close By Mouse-Wheel Click"},
    {609420, u"\"Keep on Top\" Check Box"},
    {609440, u"Status Bar"},
    {609450, u"Ready"},
    {609460, u"Done!"},
    {700000, u"Language"},
    {700001, u"Translate? (online)"},
    {701000, u"About"},
    {701100, u"Version Information"},
    {701200, u"Software Page (online)"},
    {701300, u"Tell Developers (online)"},
    {1000000, u"Ready to Use!"},
    {1002000, u"Increase it Now!"},
    {1003000, u"Undo the Change"},
    {1012000, u"Operation Successful!\r\nPlease restart your computer now."},
    {1013000, u"Undo Successful!\r\nPlease restart your computer now."},
    {1014000,
     u"Nothing was changed: this computer has too little memory (480 MB or less).\r\nTo make this "
     u"change, the computer needs more than 480 MB of memory."},
    {1015000,
     u"Nothing was changed: a Windows setting that this program must edit is missing or not in the "
     u"expected form.\r\nPlease ask the person who looks after this computer for help."},
    {1016000,
     u"Nothing was changed: Windows did not allow the change.\r\nPlease log on with an "
     u"administrator account and try again."},
    {1017000,
     u"The change could not be completed or fully put back: some Windows settings may be only "
     u"partly changed.\r\nPlease log on with an administrator account, start this program again "
     u"and press the same button to finish."},
    {2010000000, u"About"},
    {2010001000, u"Close"},
};

// Entries that are the same in every language: addresses, names, numbers, and the empty ones.
const std::set<std::int32_t> kUntranslated = {
    100000, 101000, 106000, 108000, 108200, 108500, 300000, 500000, 500002, 500003,
    500004, 500006, 500010, 500020, 500030, 500052, 500100, 500101, 500102,
};
const std::set<std::int32_t> kEmpty = {500052, 500101, 500102};
const std::set<std::int32_t> kAddresses = {101000, 106000, 108000, 108200, 108500,
                                           500003, 500004, 500006, 500100};

// The worded texts of the tool window (menus, buttons, status text, messages) and of the About
// window (captions, licence, donation box, close button). Its address, name, version and date
// are the same in every language.
const std::int32_t kShownTexts[] = {
    609000,  609100, 609300, 609350,  609450,  700000,  700001,  701000,  701100,  701200,
    701300,  107000, 108100, 1002000, 1003000, 1012000, 1013000, 1014000, 1015000, 1016000,
    1017000, 400100, 400010, 400020,  400050,  400080,  400120,  500050,  500089,  500090,
};

// The tool window's messages: what happened, then on a line of its own what to do.
const std::int32_t kMessages[] = {1012000, 1013000, 1014000, 1015000, 1016000, 1017000};

constexpr char16_t kSiteName[] = u"www.vexo.example";
constexpr char16_t kSiteAddress[] = u"https://www.vexo.example/";

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

const s::xml::Node* entryOf(const s::xml::Node& entries, std::int32_t id) {
  for (std::uint32_t i = 0; i < entries.childCount(); ++i) {
    if (entries.child(i)->getInt32(u"id", -1) == id) return entries.child(i);
  }
  return nullptr;
}

std::u16string textIn(Localizer& localizer, std::uint32_t pack, std::int32_t id) {
  s::lang::selectLanguageAt(localizer, pack);
  return s::lang::textOf(localizer, id);
}

bool startsWith(const std::u16string& text, const std::u16string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
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

TEST_CASE("the document's entries are the program's, each once, with the program's English") {
  auto root = parsedDocument();
  const s::xml::Node* entries = root->findChild(u"entries");
  REQUIRE(entries != nullptr);
  std::vector<std::int32_t> documentIds;
  for (std::uint32_t i = 0; i < entries->childCount(); ++i) {
    CHECK(entries->child(i)->nameEquals(u"entry"));
    documentIds.push_back(entries->child(i)->getInt32(u"id", -1));
  }
  std::vector<std::int32_t> programIds;
  for (const EnglishText& english : kEnglish) programIds.push_back(english.id);
  CHECK(documentIds == programIds);

  auto localizer = embeddedDocument();
  for (const EnglishText& english : kEnglish) {
    CAPTURE(english.id);
    CHECK(textIn(*localizer, 0, english.id) == english.text);
  }
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    const LangPack& pack = *localizer->packAt(p);
    CAPTURE(p);
    REQUIRE(pack.textCount() == programIds.size());
    for (std::uint32_t i = 0; i < pack.textCount(); ++i) CHECK(pack.idAt(i) == programIds[i]);
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

// The loader fills a missing translation with English, which would go unnoticed on screen.
TEST_CASE("every language has its own text for every worded text of the two windows") {
  auto root = parsedDocument();
  const s::xml::Node* entries = root->findChild(u"entries");
  REQUIRE(entries != nullptr);
  for (std::int32_t id : kShownTexts) {
    CAPTURE(id);
    const s::xml::Node* entry = entryOf(*entries, id);
    REQUIRE(entry != nullptr);
    for (const Language& language : kLanguages) {
      CAPTURE(std::u16string(language.tag));
      const s::xml::Node* element = entry->findChild(language.tag);
      REQUIRE(element != nullptr);
      auto text = s::str::strbuffer::newStr();
      element->getText(*text, u"", u"", false);
      CHECK_FALSE(text->isEmpty());
    }
  }
}

TEST_CASE("no text is empty except the entries meant to be") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    for (const EnglishText& english : kEnglish) {
      CAPTURE(p);
      CAPTURE(english.id);
      CHECK(textIn(*localizer, p, english.id).empty() == (kEmpty.count(english.id) > 0));
    }
  }
}

TEST_CASE("every message is two lines in every language: what happened, then what to do") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    for (std::int32_t id : kMessages) {
      CAPTURE(p);
      CAPTURE(id);
      const std::u16string text = textIn(*localizer, p, id);
      const std::size_t lineBreak = text.find(u"\r\n");
      REQUIRE(lineBreak != std::u16string::npos);
      CHECK(lineBreak > 0);
      CHECK(lineBreak + 2 < text.size());
      // No second break and no stray CR or LF.
      CHECK(std::count(text.begin(), text.end(), u'\r') == 1);
      CHECK(std::count(text.begin(), text.end(), u'\n') == 1);
    }
  }
}

TEST_CASE("every web address in every language is on the project's own example domain") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    for (const EnglishText& english : kEnglish) {
      CAPTURE(p);
      CAPTURE(english.id);
      const std::u16string text = textIn(*localizer, p, english.id);
      if (kAddresses.count(english.id) > 0) {
        CHECK(startsWith(text, kSiteAddress));
        CHECK(text.find_first_of(u" \t\r\n") == std::u16string::npos);
      } else if (text.find(u"://") != std::u16string::npos ||
                 text.find(u"www.") != std::u16string::npos) {
        // Only the site name may look like an address outside the address entries.
        CHECK(text == kSiteName);
      }
    }
  }
}

TEST_CASE("the licence value shown by the version window reads as the licence type") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    CAPTURE(p);
    CHECK(textIn(*localizer, p, 500050) == textIn(*localizer, p, 500001));
  }
}

// The version window shows the licence type under the question about "this freeware": a
// translation that calls it software in one place and program in the other reads as two things.
// Each longer word of the licence type must be in the question, give or take its first letter
// (capital) and last two (endings).
TEST_CASE("the licence type and the version window's question name the freeware alike") {
  auto localizer = embeddedDocument();
  for (std::uint32_t p = 0; p < localizer->packCount(); ++p) {
    CAPTURE(std::u16string(localizer->packAt(p)->tagName().text()));
    const std::u16string type = textIn(*localizer, p, 500001);
    for (std::int32_t question : {400110, 500089}) {
      CAPTURE(question);
      const std::u16string text = textIn(*localizer, p, question);
      for (std::size_t start = 0; start < type.size();) {
        std::size_t end = std::min(type.find(u' ', start), type.size());
        const std::u16string word = type.substr(start, end - start);
        CAPTURE(word);
        if (word.size() >= 5) CHECK(text.find(word.substr(1, word.size() - 3)) != text.npos);
        start = end + 1;
      }
    }
  }
}

TEST_CASE("Arabic and Persian texts read right to left; addresses and menu titles carry no marks") {
  auto localizer = embeddedDocument();
  const std::u16string rle = u"\u202B";
  const std::u16string pdf = u"\u202C";
  const std::u16string marks = rle + pdf;
  for (const char16_t* engName : {u"Arabic", u"Persian"}) {
    CAPTURE(std::u16string(engName));
    s::lang::selectLanguage(*localizer, engName);
    // Each holds "Vexo", "Windows", a number or end punctuation, which need a mark.
    for (std::int32_t id : {105000, 107000, 108100, 1014000, 1015000, 1016000, 1017000}) {
      CAPTURE(id);
      CHECK(std::u16string(s::lang::textOf(*localizer, id)).find(rle) != std::u16string::npos);
    }
    // The About window opens the address it shows, so it must stay a plain address; one-word
    // menu titles need no mark, and a mark there is one more thing for the menu bar to measure.
    for (std::int32_t id : {101000, 106000, 108000, 108200, 108500, 500003, 500004, 500006, 500100,
                            609000, 700000, 701000}) {
      CAPTURE(id);
      CHECK(std::u16string(s::lang::textOf(*localizer, id)).find_first_of(marks) ==
            std::u16string::npos);
    }
  }
  s::lang::selectLanguage(*localizer, u"Arabic");
  CHECK(std::u16string(s::lang::textOf(*localizer, 107000)) ==
        u"\u0627\u0644\u0645\u0632\u064A\u062F \u0645\u0646 \u0628\u0631\u0627\u0645\u062C " + rle +
            u"Vexo (" + pdf +
            u"\u0639\u0628\u0631 \u0627\u0644\u0625\u0646\u062A\u0631\u0646\u062A" + rle + u")" +
            pdf);
  s::lang::selectLanguage(*localizer, u"French");
  CHECK(std::u16string(s::lang::textOf(*localizer, 107000)) ==
        u"Autres logiciels de Vexo (en ligne)");
}
