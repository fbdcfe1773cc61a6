// Parsing two documents: one shaped like the embedded language pack (27 languages x 60 entries,
// about 150 KB of UTF-8 with line-break and space entities; argument 0), and one made of the
// pack's own texts repeated to about 160 KB (argument 1): our reader into a node tree, against
// pugixml's parse and tinyxml2's parse plus reading every name and value.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <tinyxml2.h>
#include <pugixml.hpp>

#include "../support/LangPackTexts.h"
#include "../support/LangShapedDocument.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/strbuffer/Utf8.h"
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

// The decoder alone on what the reader hands it: every text between tags and every quoted
// value of a document, decoded one after another, with the fast decoder and the plain one.
// Argument 2 takes the pack's texts joined per language (27 texts of long runs of one script).
std::vector<std::string> piecesOf(const std::string& doc) {
  std::vector<std::string> pieces;
  for (std::size_t at = 0; at < doc.size();) {
    const std::size_t open = doc.find_first_of(">\"", at);
    if (open == std::string::npos) break;
    const char closing = doc[open] == '>' ? '<' : '"';
    const std::size_t close = doc.find(closing, open + 1);
    if (close == std::string::npos) break;
    const std::size_t first = doc.find_first_not_of(" \t\r\n", open + 1);
    if (first < close) pieces.push_back(doc.substr(first, close - first));
    at = closing == '"' ? close + 1 : close;
  }
  return pieces;
}

std::vector<std::string> joinedPerLanguage(const std::string& doc) {
  std::vector<std::string> joined(27);
  for (std::size_t language = 0; language < 27; ++language) {
    const std::string open = std::string("<") + bench::kLanguages[language] + ">";
    for (std::size_t at = doc.find(open); at != std::string::npos; at = doc.find(open, at + 1)) {
      const std::size_t start = at + open.size();
      joined[language] += doc.substr(start, doc.find('<', start) - start) + " ";
    }
  }
  return joined;
}

const std::vector<std::string>& textsOf(const benchmark::State& state) {
  static const std::vector<std::string> pieces[3] = {
      piecesOf(bench::languagePackDocument()), piecesOf(bench::languagePackTextsDocument()),
      joinedPerLanguage(bench::languagePackTextsDocument())};
  return pieces[state.range(0)];
}

template <char16_t* (*decode)(const std::uint8_t*, std::uint32_t, char16_t*)>
void decodeTexts(benchmark::State& state) {
  const std::vector<std::string>& texts = textsOf(state);
  std::size_t bytes = 0;
  for (const std::string& text : texts) bytes = std::max(bytes, text.size());
  // Every text is followed by the slack the padded decoder may read, as in a document.
  std::vector<std::string> padded;
  for (const std::string& text : texts)
    padded.push_back(text + std::string(s::str::strbuffer::kUtf8Slack, '<'));
  std::vector<char16_t> out(bytes + s::str::strbuffer::kUtf8Slack);
  std::size_t total = 0;
  for (const std::string& text : texts) total += text.size();
  for (auto _ : state) {
    for (const std::string& text : padded) {
      char16_t* end = decode(
          reinterpret_cast<const std::uint8_t*>(text.data()),
          static_cast<std::uint32_t>(text.size() - s::str::strbuffer::kUtf8Slack), out.data());
      benchmark::DoNotOptimize(end);
    }
  }
  state.SetLabel(std::to_string(texts.size()) + " texts");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}

void BM_DecodeUtf8Texts(benchmark::State& state) {
  decodeTexts<s::str::strbuffer::decodeUtf8>(state);
}
BENCHMARK(BM_DecodeUtf8Texts)->Arg(0)->Arg(1)->Arg(2);

void BM_DecodeUtf8PaddedTexts(benchmark::State& state) {
  decodeTexts<s::str::strbuffer::decodeUtf8Padded>(state);
}
BENCHMARK(BM_DecodeUtf8PaddedTexts)->Arg(0)->Arg(1)->Arg(2);

void BM_DecodeUtf8PlainTexts(benchmark::State& state) {
  decodeTexts<s::str::strbuffer::decodeUtf8Plain>(state);
}
BENCHMARK(BM_DecodeUtf8PlainTexts)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

BENCHMARK_MAIN();
