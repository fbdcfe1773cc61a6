#include "s/thread/ProcessExit.h"

#include <cstdlib>

#include "s/thread/Lock.h"

namespace s::thread {

namespace {

struct ExitEntry {
  void (*fn)(void*);
  void* argument;
};

// A fixed table of plain data: it needs no construction, so no static-order question arises.
constexpr int kMaxEntries = 1024;
ExitEntry gEntries[kMaxEntries];
int gCount = 0;
bool gHandlerInstalled = false;

Lock& exitLock() {
  static Lock* lock = new Lock();  // never destroyed: exit handlers may still need it
  return *lock;
}

void runExitEntries() {
  for (;;) {
    ExitEntry entry{};
    {
      LockGuard guard(exitLock());
      if (gCount == 0) return;
      entry = gEntries[--gCount];
    }
    entry.fn(entry.argument);
  }
}

}  // namespace

void atProcessExit(void (*fn)(void*), void* argument) {
  LockGuard guard(exitLock());
  if (!gHandlerInstalled) {
    gHandlerInstalled = true;
    std::atexit(runExitEntries);
  }
  if (gCount < kMaxEntries) gEntries[gCount++] = ExitEntry{fn, argument};
}

}  // namespace s::thread
