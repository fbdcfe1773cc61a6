#include <doctest/doctest.h>

#include <windows.h>

#include "s/thread/Lock.h"

namespace {

struct Shared {
  s::thread::Lock lock;
  long counter = 0;
};

DWORD WINAPI addMany(void* argument) {
  auto* shared = static_cast<Shared*>(argument);
  for (int i = 0; i < 20000; ++i) {
    s::thread::LockGuard guard(shared->lock);
    shared->counter = shared->counter + 1;
  }
  return 0;
}

}  // namespace

TEST_SUITE("threads") {
  TEST_CASE("the critical-section lock is recursive and serialises threads") {
    Shared shared;
    {
      s::thread::LockGuard outer(shared.lock);
      s::thread::LockGuard inner(shared.lock);  // a second entry by the same thread must not block
    }
    HANDLE threads[2];
    for (HANDLE& thread : threads) thread = CreateThread(nullptr, 0, &addMany, &shared, 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE thread : threads) CloseHandle(thread);
    CHECK(shared.counter == 40000);
  }
}  // TEST_SUITE
