// Parsing two documents: one shaped like the embedded language pack (27 languages x 60 entries,
// about 150 KB of UTF-8 with line-break and space entities; argument 0), and one made of the
// pack's own texts repeated to about 160 KB (argument 1): our reader into a node tree, against
// pugixml's parse and tinyxml2's parse plus reading every name and value.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include <tinyxml2.h>
#include <pugixml.hpp>

#include "../support/LangPackTexts.h"
#include "../support/LangShapedDocument.h"
#include "s/col/_array/NumberArray.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"

namespace {

const std::string& document(const benchmark::State& state) {
  static const std::string shaped = bench::languagePackDocument();
  static const std::string texts = bench::languagePackTextsDocument();
  return state.range(0) == 0 ? shaped : texts;
}

void label(benchmark::State& state, const std::string& doc) {
  state.SetLabel(state.range(0) == 0 ? "shaped like the pack" : "the pack's texts");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}

void BM_NodeParseUtf8(benchmark::State& state) {
  const std::string& doc = document(state);
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->append(doc.data(), static_cast<std::uint32_t>(doc.size()));
  for (auto _ : state) {
    auto root = s::xml::newNode();
    root->parseUtf8(*bytes);
    benchmark::DoNotOptimize(root->childCount());
  }
  label(state, doc);
}
BENCHMARK(BM_NodeParseUtf8)->Arg(0)->Arg(1);

void BM_PugixmlParse(benchmark::State& state) {
  const std::string& doc = document(state);
  for (auto _ : state) {
    pugi::xml_document parsed;
    pugi::xml_parse_result result =
        parsed.load_buffer(doc.data(), doc.size(), pugi::parse_default, pugi::encoding_utf8);
    benchmark::DoNotOptimize(result.status);
  }
  label(state, doc);
}
BENCHMARK(BM_PugixmlParse)->Arg(0)->Arg(1);

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
  const std::string& doc = document(state);
  for (auto _ : state) {
    tinyxml2::XMLDocument parsed;
    parsed.Parse(doc.data(), doc.size());
    benchmark::DoNotOptimize(readEverything(parsed.RootElement()));
  }
  label(state, doc);
}
BENCHMARK(BM_Tinyxml2ParseAndRead)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
