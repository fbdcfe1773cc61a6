// What a text becomes on its way into a pack: the right-to-left embedding of Arabic and Persian
// lines (on every system), and the letters old systems' fonts lack (by the system's age).
#include <doctest/doctest.h>

#include <string>

#include "s/lang/Lang.h"
#include "s/lang/SystemLanguage.h"
#include "s/thread/Pool.h"

namespace {

const std::u16string kRle = u"\u202B";
const std::u16string kPdf = u"\u202C";
// "Language" in Arabic, and "Close" in Persian.
const std::u16string kArabic = u"\u0627\u0644\u0644\u063A\u0629";
const std::u16string kPersian = u"\u0628\u0633\u062A\u0646";

std::u16string added(const char16_t* tag, const std::u16string& text) {
  auto pack = s::thread::obtain<s::lang::LangPack>();
  pack->tagName().setText(tag);
  s::lang::addText(*pack, 1, text.c_str());
  return pack->textAt(0).text();
}

}  // namespace

// One embedding per stretch, not per line: a message box that wraps a line draws each piece on
// its own, and a stretch without spaces is never split between two pieces.
TEST_CASE("in Arabic and Persian lines every stretch that is not right-to-left is embedded") {
  const std::u16string sp = u" ";
  struct Case {
    const char* what;
    const char16_t* tag;
    std::u16string text;
    std::u16string expected;
  };
  const Case cases[] = {
      {"a Latin name between words", u"ara", kArabic + u" Vexo " + kArabic,
       kArabic + sp + kRle + u"Vexo" + kPdf + sp + kArabic},
      {"end punctuation", u"per", kPersian + u"!", kPersian + kRle + u"!" + kPdf},
      {"spaces around a stretch stay outside it", u"ara", kArabic + u"  (480)  " + kArabic,
       kArabic + u"  " + kRle + u"(480)" + kPdf + u"  " + kArabic},
      {"a stretch with inner spaces is one", u"ara", kArabic + u" Vexo Ombrel 1.05",
       kArabic + sp + kRle + u"Vexo Ombrel 1.05" + kPdf},
      {"a stretch at the start of a line", u"per", u"(Vexo) " + kPersian,
       kRle + u"(Vexo)" + kPdf + sp + kPersian},
      {"each line on its own", u"ara", kArabic + u":\r\n" + kArabic + u".",
       kArabic + kRle + u":" + kPdf + u"\r\n" + kArabic + kRle + u"." + kPdf},
      {"a line without right-to-left letters is left as it is", u"per",
       kPersian + u"!\nhttps://www.vexo.example/\r" + kPersian,
       kPersian + kRle + u"!" + kPdf + u"\nhttps://www.vexo.example/\r" + kPersian},
      {"Arabic-Indic and Persian digits take their direction from around them", u"per",
       kPersian + u" \u06F4\u06F8\u06F0 \u0664",
       kPersian + sp + kRle + u"\u06F4\u06F8\u06F0 \u0664" + kPdf},
      // Marks inside a word would break the joining of its letters.
      {"joiners and presentation forms belong to the words", u"per",
       u"\u0646\u0631\u0645\u200C\u0627\u0641\u0632\u0627\u0631 \uFEFB",
       u"\u0646\u0631\u0645\u200C\u0627\u0641\u0632\u0627\u0631 \uFEFB"},
      {"words and spaces alone need nothing", u"ara", kArabic + sp + kArabic + u"\r\n",
       kArabic + sp + kArabic + u"\r\n"},
      {"an address alone is left as it is", u"ara", u"https://www.vexo.example/",
       u"https://www.vexo.example/"},
      {"an empty text stays empty", u"per", u"", u""},
      {"a left-to-right language is never embedded", u"eng", kArabic + u" Vexo",
       kArabic + u" Vexo"},
      {"tags compare exactly", u"ARA", kArabic + u"!", kArabic + u"!"},
      {"a longer tag is another language", u"arab", kArabic + u"!", kArabic + u"!"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.what);
    CHECK(added(c.tag, c.text) == c.expected);
  }
}

TEST_CASE("addText replaces the letters old fonts lack only for their language, by system age") {
  const bool older = s::lang::isOlderThanVista();
  struct Case {
    const char16_t* tag;
    std::u16string text;
    std::u16string onOlderSystems;
  };
  const Case cases[] = {
      {u"vec", u"\u019Aa \u019Aengua \u019A", u"\u0142a \u0142engua \u0142"},
      {u"ron", u"M\u0103ri\u021Bi, \u0218i \u021Aara \u0219i",
       u"M\u0103ri\u0163i, \u015Ei \u0162ara \u015Fi"},
      // The letters of one language are not another's: each keeps its own.
      {u"vec", u"\u0219\u021B", u"\u0219\u021B"},
      {u"ron", u"\u019A", u"\u019A"},
      {u"ita", u"\u019A\u0219\u021B", u"\u019A\u0219\u021B"},
      {u"VEC", u"\u019A", u"\u019A"},
      {u"rom", u"\u0219", u"\u0219"},
  };
  for (const Case& c : cases) {
    CAPTURE(std::u16string(c.tag));
    CHECK(added(c.tag, c.text) == (older ? c.onOlderSystems : c.text));
  }
  // Only count units are taken, and the rule sees only those.
  auto pack = s::thread::obtain<s::lang::LangPack>();
  pack->tagName().setText(u"ron");
  s::lang::addText(*pack, 43, u"x\u0219\u021B", 2);
  CHECK(std::u16string(pack->textAt(0).text()) == (older ? u"x\u015F" : u"x\u0219"));
}
