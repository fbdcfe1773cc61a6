#include "s/thread/Lock.h"

#include <atomic>
#include <cstdint>
#include <new>
#include <thread>

namespace s::thread {

namespace {

// A recursive lock like a critical section: an uncontended entry is one compare-and-swap, a
// contended one yields until the owner leaves. The library's locks guard a few instructions
// each (a pool's free list, a shared buffer), so waiting is short.
struct Native {
  std::atomic<std::uintptr_t> owner{0};
  unsigned depth = 0;
};
static_assert(sizeof(Native) <= Lock::kStorageSize, "Lock storage too small");

Native& native(unsigned char* storage) { return *std::launder(reinterpret_cast<Native*>(storage)); }

std::uintptr_t currentThreadToken() {
  thread_local char tag;
  return reinterpret_cast<std::uintptr_t>(&tag);
}

}  // namespace

Lock::Lock() { new (storage_) Native(); }
Lock::~Lock() { native(storage_).~Native(); }

void Lock::enter() {
  Native& lock = native(storage_);
  const std::uintptr_t me = currentThreadToken();
  if (lock.owner.load(std::memory_order_relaxed) == me) {
    ++lock.depth;
    return;
  }
  std::uintptr_t expected = 0;
  while (!lock.owner.compare_exchange_weak(expected, me, std::memory_order_acquire,
                                           std::memory_order_relaxed)) {
    expected = 0;
    std::this_thread::yield();
  }
  lock.depth = 1;
}

void Lock::leave() {
  Native& lock = native(storage_);
  if (--lock.depth == 0) lock.owner.store(0, std::memory_order_release);
}

}  // namespace s::thread
