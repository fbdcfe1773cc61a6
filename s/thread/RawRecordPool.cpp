#include "s/thread/RawRecordPool.h"

#include <cstdlib>
#include <cstring>

namespace s::thread {

namespace {

template <std::size_t kSize>
EasyPooler* makeRecordPool() {
  return EasyPooler::createProcessWide(
      RawRecordPool::kCapacity, []() -> void* { return std::calloc(1, kSize); },
      [](void* record) { std::free(record); }, [](void* record) { std::memset(record, 0, kSize); });
}

}  // namespace

EasyPooler& RawRecordPool::records16() {
  static EasyPooler* const pool = makeRecordPool<16>();
  return *pool;
}

EasyPooler& RawRecordPool::records12() {
  static EasyPooler* const pool = makeRecordPool<12>();
  return *pool;
}

}  // namespace s::thread
