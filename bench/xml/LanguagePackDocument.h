#pragma once

// The benchmark document: shaped like the embedded language pack (27 languages x 60 entries,
// about 150 KB of UTF-8 with line-break and space entities).

#include <string>

namespace bench {

inline const char* const kLanguages[27] = {"eng", "bel", "fra", "ita", "rus", "vec", "jpn",
                                           "kor", "ara", "cze", "dan", "deu", "spa", "hun",
                                           "nld", "per", "pol", "bra", "ron", "srp", "slk",
                                           "swe", "tur", "ukr", "zhs", "zht", "vie"};

// Mixed one-, two- and three-byte UTF-8, as the translations are.
inline const char* const kWords[6] = {"Operation",
                                      "Successful!",
                                      "Gr\xc3\xbc\xc3\x9f"
                                      "e",
                                      "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82",
                                      "\xe6\x93\x8d\xe4\xbd\x9c",
                                      "restart"};

inline std::string languagePackDocument() {
  std::string doc = "<lang>\n  <languages>\n";
  for (const char* tag : kLanguages) {
    doc += std::string("    <entry tagName=\"") + tag + "\" engName=\"Name of " + tag +
           "\" trueName=\"True name of " + tag + " (Partial)\"/>\n";
  }
  doc += "  </languages>\n  <entries>\n";
  for (int entry = 0; entry < 60; ++entry) {
    doc += "    <entry id=\"" + std::to_string(1000000 + entry * 1000) + "\">\n";
    doc += "      Description of the entry\n";
    for (int language = 0; language < 27; ++language) {
      doc += std::string("      <") + kLanguages[language] + ">";
      doc += "&#160;";
      for (int word = 0; word < 5; ++word) {
        doc += kWords[(entry + language + word) % 6];
        doc += word == 2 ? "&#13;&#10;" : " ";
      }
      doc += "now.</" + std::string(kLanguages[language]) + ">\n";
    }
    doc += "    </entry>\n";
  }
  doc += "  </entries>\n</lang>\n";
  return doc;
}

}  // namespace bench
