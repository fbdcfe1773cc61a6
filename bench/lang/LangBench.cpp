// The localizer built from the program's embedded language document (the start-up path:
// UTF-8 decoding, the XML parse, the packs with their fallbacks, the first selection), against
// the XML reader alone and pugixml's parse of the same bytes. The same three run on the
// synthetic document of the XML benchmark (27 languages x 60 entries, every text translated).

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "../support/LangShapedDocument.h"
#include "s/col/_array/NumberArray.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"

namespace embedded {
extern const unsigned char langDocument[];
extern const std::size_t langDocumentSize;
}  // namespace embedded

namespace {

const std::string& documentFor(const benchmark::State& state) {
  static const std::string embeddedDoc(reinterpret_cast<const char*>(embedded::langDocument),
                                       embedded::langDocumentSize);
  static const std::string synthetic = bench::languagePackDocument();
  return state.range(0) == 0 ? embeddedDoc : synthetic;
}

void label(benchmark::State& state, const std::string& doc) {
  state.SetLabel(state.range(0) == 0 ? "embedded lang.xml" : "XML benchmark document");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}

void BM_CreateLocalizer(benchmark::State& state) {
  const std::string& doc = documentFor(state);
  for (auto _ : state) {
    auto localizer =
        s::lang::createLocalizerFromUtf8(doc.data(), static_cast<std::uint32_t>(doc.size()));
    benchmark::DoNotOptimize(localizer->current());
  }
  label(state, doc);
}
BENCHMARK(BM_CreateLocalizer)->Arg(0)->Arg(1);

void BM_NodeParseUtf8(benchmark::State& state) {
  const std::string& doc = documentFor(state);
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
  const std::string& doc = documentFor(state);
  for (auto _ : state) {
    pugi::xml_document parsed;
    pugi::xml_parse_result result =
        parsed.load_buffer(doc.data(), doc.size(), pugi::parse_default, pugi::encoding_utf8);
    benchmark::DoNotOptimize(result.status);
  }
  label(state, doc);
}
BENCHMARK(BM_PugixmlParse)->Arg(0)->Arg(1);

// One lookup of the last entry: the longest linear search a window's refresh makes.
void BM_TextOfLastEntry(benchmark::State& state) {
  const std::string& doc = documentFor(state);
  auto localizer =
      s::lang::createLocalizerFromUtf8(doc.data(), static_cast<std::uint32_t>(doc.size()));
  const s::lang::LangPack* pack = s::lang::currentPack(*localizer);
  const std::int32_t lastId = pack->idAt(pack->textCount() - 1);
  for (auto _ : state) benchmark::DoNotOptimize(s::lang::textOf(*localizer, lastId));
  state.SetLabel(state.range(0) == 0 ? "embedded lang.xml" : "XML benchmark document");
}
BENCHMARK(BM_TextOfLastEntry)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
