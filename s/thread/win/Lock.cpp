#include "s/thread/Lock.h"

#include <windows.h>

#include <new>

namespace s::thread {

namespace {
static_assert(sizeof(CRITICAL_SECTION) <= Lock::kStorageSize, "Lock storage too small");
CRITICAL_SECTION* native(unsigned char* storage) {
  return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}
}  // namespace

Lock::Lock() { InitializeCriticalSection(new (storage_) CRITICAL_SECTION); }
Lock::~Lock() { DeleteCriticalSection(native(storage_)); }
void Lock::enter() { EnterCriticalSection(native(storage_)); }
void Lock::leave() { LeaveCriticalSection(native(storage_)); }

}  // namespace s::thread
