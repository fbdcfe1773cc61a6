// Parsing a document shaped like the embedded language pack (27 languages x 60 entries, about
// 150 KB of UTF-8 with line-break and space entities): our reader into a node tree, against
// pugixml's parse and tinyxml2's parse plus reading every name and value.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include <tinyxml2.h>
#include <pugixml.hpp>

#include "s/col/_array/NumberArray.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"

namespace {

const char* const kLanguages[27] = {"eng", "bel", "fra", "ita", "rus", "vec", "jpn", "kor", "ara",
                                    "cze", "dan", "deu", "spa", "hun", "nld", "per", "pol", "bra",
                                    "ron", "srp", "slk", "swe", "tur", "ukr", "zhs", "zht", "vie"};

// Mixed one-, two- and three-byte UTF-8, as the translations are.
const char* const kWords[6] = {"Operation",
                               "Successful!",
                               "Gr\xc3\xbc\xc3\x9f"
                               "e",
                               "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82",
                               "\xe6\x93\x8d\xe4\xbd\x9c",
                               "restart"};

std::string languagePackDocument() {
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

const std::string& document() {
  static const std::string doc = languagePackDocument();
  return doc;
}

void BM_NodeParseUtf8(benchmark::State& state) {
  const std::string& doc = document();
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->append(doc.data(), static_cast<std::uint32_t>(doc.size()));
  for (auto _ : state) {
    auto root = s::xml::newNode();
    root->parseUtf8(*bytes);
    benchmark::DoNotOptimize(root->childCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_NodeParseUtf8);

void BM_PugixmlParse(benchmark::State& state) {
  const std::string& doc = document();
  for (auto _ : state) {
    pugi::xml_document parsed;
    pugi::xml_parse_result result =
        parsed.load_buffer(doc.data(), doc.size(), pugi::parse_default, pugi::encoding_utf8);
    benchmark::DoNotOptimize(result.status);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_PugixmlParse);

std::size_t readEverything(const tinyxml2::XMLElement* element) {
  std::size_t seen = 0;
  for (; element != nullptr; element = element->NextSiblingElement()) {
    seen += element->Name()[0];
    for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a != nullptr; a = a->Next()) {
      seen += a->Name()[0] + a->Value()[0];
    }
    const char* text = element->GetText();
    if (text != nullptr) seen += text[0];
    seen += readEverything(element->FirstChildElement());
  }
  return seen;
}

void BM_Tinyxml2ParseAndRead(benchmark::State& state) {
  const std::string& doc = document();
  for (auto _ : state) {
    tinyxml2::XMLDocument parsed;
    parsed.Parse(doc.data(), doc.size());
    benchmark::DoNotOptimize(readEverything(parsed.RootElement()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_Tinyxml2ParseAndRead);

}  // namespace

BENCHMARK_MAIN();
