// Decodes arbitrary bytes with the fast UTF-8 decoders (decodeUtf8, and decodeUtf8Padded with
// the input's first bytes as the slack it may read) and with the plain one (one character at a
// time) and stops where they differ or where a fast one writes past its room. The input is decoded
// whole and from each of its first 8 bytes on, so that every form meets every offset of the
// decoder's blocks and words. The input sits in memory of exactly its size, so any read past the
// end shows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "s/str/strbuffer/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  const std::vector<std::uint8_t> bytes(data, data + size);
  constexpr char16_t kUntouched = 0xABCD;
  std::vector<char16_t> fast(size + 8), plain(size + 8);
  for (std::size_t skip = 0; skip <= size && skip < 8; ++skip) {
    const std::uint8_t* in = bytes.data() + skip;
    const auto count = static_cast<std::uint32_t>(size - skip);
    fast.assign(size + 8, kUntouched);
    char16_t* fastEnd = s::str::strbuffer::decodeUtf8(in, count, fast.data());
    char16_t* plainEnd = s::str::strbuffer::decodeUtf8Plain(in, count, plain.data());
    const std::ptrdiff_t units = fastEnd - fast.data();
    if (units != plainEnd - plain.data()) std::abort();
    for (std::ptrdiff_t i = 0; i < units; ++i) {
      if (fast[static_cast<std::size_t>(i)] != plain[static_cast<std::size_t>(i)]) std::abort();
    }
    for (std::size_t i = count; i < fast.size(); ++i) {
      if (fast[i] != kUntouched) std::abort();
    }
    // The padded decoder, with the input's own first bytes (or zeros) as the slack it may read
    // past the end, and its room of kUtf8Slack more units.
    std::vector<std::uint8_t> padded(in, in + count);
    for (std::size_t i = 0; i < s::str::strbuffer::kUtf8Slack; ++i)
      padded.push_back(i < size ? data[i] : 0);
    const std::size_t room = count + s::str::strbuffer::kUtf8Slack;
    fast.assign(room + 8, kUntouched);
    fastEnd = s::str::strbuffer::decodeUtf8Padded(padded.data(), count, fast.data());
    if (fastEnd - fast.data() != units) std::abort();
    for (std::ptrdiff_t i = 0; i < units; ++i) {
      if (fast[static_cast<std::size_t>(i)] != plain[static_cast<std::size_t>(i)]) std::abort();
    }
    for (std::size_t i = room; i < fast.size(); ++i) {
      if (fast[i] != kUntouched) std::abort();
    }
  }
  return 0;
}
