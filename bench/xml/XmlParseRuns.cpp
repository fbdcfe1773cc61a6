// Parses the benchmark document a given number of times (default 10) and nothing else, for
// instruction counts that stay the same on a busy machine:
//   valgrind --tool=callgrind build/host-release/bench/xml/xml_parse_runs 1
//   valgrind --tool=callgrind build/host-release/bench/xml/xml_parse_runs 11
// A second argument "texts" parses the document made of the language pack's own texts.
// One parse with its release costs a tenth of the difference; the first run, which fills the
// pools, and the set-up stay out of it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "s/col/_array/NumberArray.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"

#include "../support/LangPackTexts.h"
#include "../support/LangShapedDocument.h"

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 10;
  const bool texts = argc > 2 && std::strcmp(argv[2], "texts") == 0;
  const std::string doc =
      texts ? bench::languagePackTextsDocument() : bench::languagePackDocument();
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  bytes->append(doc.data(), static_cast<std::uint32_t>(doc.size()));
  std::uint32_t children = 0;
  for (int i = 0; i < runs; ++i) {
    auto root = s::xml::newNode();
    root->parseUtf8(*bytes);
    children += root->childCount();
  }
  std::printf("%d runs, %u children in all\n", runs, children);
  return 0;
}
