#include "s/thread/EasyPooler.h"

#include "s/thread/ProcessExit.h"

namespace s::thread {

EasyPooler::EasyPooler(std::uint32_t capacity, CreateFn create, DeleteFn destroy, ResetFn reset)
    : capacity_(capacity), create_(create), delete_(destroy), reset_(reset) {}

EasyPooler::~EasyPooler() { deleteFreeObjects(); }

EasyPooler* EasyPooler::createProcessWide(std::uint32_t capacity, CreateFn create, DeleteFn destroy,
                                          ResetFn reset) {
  auto* pool = new EasyPooler(capacity, create, destroy, reset);
  atProcessExit(&EasyPooler::closeAtExit, pool);
  return pool;
}

s::base::IObject* EasyPooler::newInstance() const {
  return new EasyPooler(capacity_, create_, delete_, reset_);
}

void* EasyPooler::take() {
  {
    LockGuard guard(locker_.lock());
    if (freeList_.count() > 0) return freeList_.popLastPointer();
  }
  return create_();
}

void EasyPooler::giveBack(void* object) {
  {
    LockGuard guard(locker_.lock());
    if (freeList_.count() < capacity_) {
      reset_(object);
      freeList_.appendPointer(object);
      return;
    }
  }
  delete_(object);
}

std::uint32_t EasyPooler::takeFree(void** out, std::uint32_t n) {
  LockGuard guard(locker_.lock());
  std::uint32_t count = freeList_.count();
  std::uint32_t taken = n < count ? n : count;
  for (std::uint32_t i = 0; i < taken; ++i) out[i] = freeList_.pointerAt(count - taken + i);
  freeList_.setCountWithinCapacity(count - taken);
  return taken;
}

void EasyPooler::giveBackAll(void* const* objects, std::uint32_t n) {
  std::uint32_t first = 0;
  {
    LockGuard guard(locker_.lock());
    for (; first < n && freeList_.count() < capacity_; ++first) {
      reset_(objects[first]);
      freeList_.appendPointer(objects[first]);
    }
  }
  // The pool is full: the rest go, outside the lock as in giveBack.
  for (std::uint32_t i = first; i < n; ++i) delete_(objects[i]);
}

void EasyPooler::dispose(void** object) {
  if (*object == nullptr) return;
  giveBack(*object);
  *object = nullptr;
}

std::uint32_t EasyPooler::freeCount() {
  LockGuard guard(locker_.lock());
  return freeList_.count();
}

void EasyPooler::deleteFreeObjects() {
  s::col::_array::ArrayP doomed;
  {
    LockGuard guard(locker_.lock());
    doomed.swapStorage(freeList_);
  }
  for (std::uint32_t i = 0; i < doomed.count(); ++i) delete_(doomed.pointerAt(i));
  doomed.free();
}

void EasyPooler::closeAtExit(void* pool) {
  auto* self = static_cast<EasyPooler*>(pool);
  {
    LockGuard guard(self->locker_.lock());
    // Objects still out and released later are deleted rather than kept.
    self->capacity_ = 0;
  }
  self->deleteFreeObjects();
}

}  // namespace s::thread
