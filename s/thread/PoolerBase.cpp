#include "s/thread/PoolerBase.h"

namespace s::thread {

PoolerBase::~PoolerBase() = default;

std::uint32_t PoolerBase::sizeOf(void*) { return kMaxObjectSize; }

void PoolerBase::giveBack(void* object, std::uint32_t size) {
  if (sizeAccounting_ && size == kAskSize) size = sizeOf(object);
  {
    LockGuard guard(locker_.lock());
    // "Above the maximum": up to maxFree_ + 1 objects are kept.
    bool keep = !closed_ && freeList_.count() <= maxFree_;
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

std::uint32_t PoolerBase::takeFree(void** out, std::uint32_t n) {
  LockGuard guard(locker_.lock());
  std::uint32_t count = freeList_.count();
  std::uint32_t taken = n < count ? n : count;
  for (std::uint32_t i = 0; i < taken; ++i) {
    void* object = freeList_.pointerAt(count - taken + i);
    if (sizeAccounting_) totalSize_ -= sizeOf(object);
    out[i] = object;
  }
  freeList_.setCountWithinCapacity(count - taken);
  return taken;
}

void PoolerBase::giveBackAll(void* const* objects, std::uint32_t n) {
  // The pool is full for the rest: they go, outside the lock as in giveBack.
  for (std::uint32_t i = keepAll(objects, n); i < n; ++i) {
    void* object = objects[i];
    destroyObject(&object);
  }
}

std::uint32_t PoolerBase::keepAll(void* const* objects, std::uint32_t n) {
  if (sizeAccounting_) {
    // Sizes are asked outside the lock, object by object; none is left to the caller.
    for (std::uint32_t i = 0; i < n; ++i) giveBack(objects[i]);
    return n;
  }
  std::uint32_t first = 0;
  LockGuard guard(locker_.lock());
  for (; first < n && !closed_ && freeList_.count() <= maxFree_; ++first) {
    resetObject(objects[first]);
    freeList_.appendPointer(objects[first]);
  }
  return first;
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

void PoolerBase::close() {
  {
    LockGuard guard(locker_.lock());
    closed_ = true;
  }
  destroyFreeObjects();
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
