#pragma once

#include <cstddef>

#include "s/thread/EasyPooler.h"

namespace s::thread {

// The pools of zero-filled raw records from the C heap (16-byte hash-map entries and 12-byte
// records), each keeping up to 10,000 free records.
struct RawRecordPool {
  static constexpr std::uint32_t kCapacity = 10000;
  static EasyPooler& records16();
  static EasyPooler& records12();
};

}  // namespace s::thread
