#pragma once

#include <cstddef>
#include <cstdint>

// The program's language document (resources/lang/lang.xml) as embedded into the test
// executable at build time (tests/lang/tests.cmake), so that both builds read the same bytes.
namespace embedded {
extern const unsigned char langDocument[];
extern const std::size_t langDocumentSize;
}  // namespace embedded

namespace support {

inline const char* langDocumentBytes() {
  return reinterpret_cast<const char*>(embedded::langDocument);
}
inline std::uint32_t langDocumentSize() {
  return static_cast<std::uint32_t>(embedded::langDocumentSize);
}

}  // namespace support
