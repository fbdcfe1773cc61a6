#pragma once

// A document made of the embedded language pack's own texts: its language list, then those of
// its entries that hold all 27 languages (a description line and the 27 translations, mostly
// two- and three-byte UTF-8), repeated in order until the document holds about 160 KB. The
// bytes of resources/lang/lang.xml are embedded into the benchmark at build time.

#include <cstddef>
#include <string>
#include <vector>

namespace embedded {
extern const unsigned char langDocument[];
extern const std::size_t langDocumentSize;
}  // namespace embedded

namespace bench {

inline std::string languagePackTextsDocument(std::size_t about = 160 * 1000) {
  const std::string pack(reinterpret_cast<const char*>(embedded::langDocument),
                         embedded::langDocumentSize);
  const std::size_t open = pack.find("<entries>");
  const std::size_t close = pack.rfind("</entries>");
  if (open == std::string::npos || close == std::string::npos || close < open) return pack;
  std::vector<std::string> full;
  for (std::size_t at = pack.find("<entry ", open); at != std::string::npos && at < close;) {
    const std::size_t end = pack.find("</entry>", at);
    if (end == std::string::npos) break;
    const std::string entry = pack.substr(at, end + 8 - at);
    std::size_t translations = 0;
    for (std::size_t tag = entry.find("</"); tag != std::string::npos;
         tag = entry.find("</", tag + 2)) {
      ++translations;
    }
    if (translations == 27 + 1) full.push_back("    " + entry + "\n");
    at = pack.find("<entry ", end);
  }
  std::string doc = pack.substr(0, open) + "<entries>\n";
  const std::string tail = "  </entries>\n</lang>\n";
  for (std::size_t i = 0; !full.empty() && doc.size() + tail.size() < about; ++i) {
    doc += full[i % full.size()];
  }
  return doc + tail;
}

}  // namespace bench
