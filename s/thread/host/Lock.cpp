#include "s/thread/Lock.h"

#include <mutex>
#include <new>

namespace s::thread {

namespace {
// Critical sections are recursive; the host stand-in must be too.
using Native = std::recursive_mutex;
static_assert(sizeof(Native) <= Lock::kStorageSize, "Lock storage too small");
Native& native(unsigned char* storage) { return *std::launder(reinterpret_cast<Native*>(storage)); }
}  // namespace

Lock::Lock() { new (storage_) Native(); }
Lock::~Lock() { native(storage_).~Native(); }
void Lock::enter() { native(storage_).lock(); }
void Lock::leave() { native(storage_).unlock(); }

}  // namespace s::thread
