#include "s/thread/PoolerBase.h"

namespace s::thread {

PoolerBase::~PoolerBase() = default;

std::uint32_t PoolerBase::sizeOf(void*) { return kMaxObjectSize; }

void PoolerBase::giveBack(void* object, std::uint32_t size) {
  if (sizeAccounting_ && size == kAskSize) size = sizeOf(object);
  {
    LockGuard guard(locker_.lock());
    // "Above the maximum": up to maxFree_ + 1 objects are kept.
    bool keep = freeList_.count() <= maxFree_;
    if (keep && sizeAccounting_) {
      keep = size <= maxObjectSize_ && totalSize_ + size <= maxTotalSize_;
    }
    if (keep) {
      resetObject(object);
      freeList_.appendPointer(object);
      if (sizeAccounting_) totalSize_ += size;
      return;
    }
  }
  destroyObject(&object);
}

void* PoolerBase::take() {
  {
    LockGuard guard(locker_.lock());
    if (freeList_.count() > 0) {
      void* object = freeList_.popLastPointer();
      if (sizeAccounting_) totalSize_ -= sizeOf(object);
      return object;
    }
  }
  return generate();
}

void PoolerBase::dispose(void** object) {
  if (*object == nullptr) return;
  giveBack(*object, kAskSize);
  *object = nullptr;
}

std::uint32_t PoolerBase::freeCount() {
  LockGuard guard(locker_.lock());
  return freeList_.count();
}

std::uint32_t PoolerBase::totalSize() {
  LockGuard guard(locker_.lock());
  return totalSize_;
}

void PoolerBase::destroyFreeObjects() {
  s::col::_array::ArrayP doomed;
  {
    LockGuard guard(locker_.lock());
    doomed.swapStorage(freeList_);
    totalSize_ = 0;
  }
  for (std::uint32_t i = 0; i < doomed.count(); ++i) {
    void* object = doomed.pointerAt(i);
    destroyObject(&object);
  }
  doomed.free();
}

}  // namespace s::thread
