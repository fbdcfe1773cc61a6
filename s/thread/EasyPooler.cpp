#include "s/thread/EasyPooler.h"

#include <atomic>
#include <cstdlib>

#include "s/thread/ProcessExit.h"

namespace s::thread {

namespace {

constexpr std::uint32_t kStackSlots = 32;  // objects one thread keeps for one pool
constexpr std::uint32_t kMoveCount = 16;   // objects moved at once to or from the shared list
constexpr std::uint32_t kMaxStackedPools = 256;

std::atomic<std::uint32_t> gStackedPoolCount{0};
// Written once per slot, when its pool is made and before any thread can use the pool.
EasyPooler* gStackedPools[kMaxStackedPools];

}  // namespace

struct EasyPooler::ThreadStack {
  std::uint32_t count;     // objects on the stack, the most recently given back last
  std::uint32_t reserved;  // the thread's share of the pool's capacity: count <= reserved
  void* objects[kStackSlots];
};

namespace {

// The calling thread's stacks, one slot per process-wide pool. Plain data, so that it stays
// readable after the thread's destructors have run (exit handlers run on the main thread).
struct ThreadStackTable {
  EasyPooler::ThreadStack* stacks[kMaxStackedPools];
  bool closed;
};
thread_local ThreadStackTable tStackTable;

}  // namespace

// Gives a thread's stacks back to their pools when the thread ends.
class ThreadStacks {
 public:
  ThreadStacks() = default;
  ~ThreadStacks() {
    ThreadStackTable& table = tStackTable;
    table.closed = true;
    std::uint32_t pools = gStackedPoolCount.load(std::memory_order_acquire);
    if (pools > kMaxStackedPools) pools = kMaxStackedPools;
    for (std::uint32_t slot = 0; slot < pools; ++slot) {
      EasyPooler::ThreadStack* stack = table.stacks[slot];
      if (stack == nullptr) continue;
      table.stacks[slot] = nullptr;
      gStackedPools[slot]->drainStack(stack);
      std::free(stack);
    }
  }
  ThreadStacks(const ThreadStacks&) = delete;
  ThreadStacks& operator=(const ThreadStacks&) = delete;

  // Touching the object constructs it, which registers its destructor for this thread.
  void arm() {}
};

namespace {
thread_local ThreadStacks tThreadStacks;
}  // namespace

EasyPooler::EasyPooler(std::uint32_t capacity, CreateFn create, DeleteFn destroy, ResetFn reset)
    : capacity_(capacity), create_(create), delete_(destroy), reset_(reset) {}

EasyPooler::~EasyPooler() { deleteFreeObjects(); }

EasyPooler* EasyPooler::createProcessWide(std::uint32_t capacity, CreateFn create, DeleteFn destroy,
                                          ResetFn reset) {
  auto* pool = new EasyPooler(capacity, create, destroy, reset);
  if (capacity > 0) {
    std::uint32_t slot = gStackedPoolCount.fetch_add(1, std::memory_order_acq_rel);
    // Beyond the table, a pool simply works without thread stacks.
    if (slot < kMaxStackedPools) {
      gStackedPools[slot] = pool;
      pool->stackSlot_ = slot;
    }
  }
  atProcessExit(&EasyPooler::closeAtExit, pool);
  return pool;
}

s::base::IObject* EasyPooler::newInstance() const {
  return new EasyPooler(capacity_, create_, delete_, reset_);
}

EasyPooler::ThreadStack* EasyPooler::threadStack(bool create) {
  if (stackSlot_ == kNoStack) return nullptr;
  ThreadStackTable& table = tStackTable;
  ThreadStack* stack = table.stacks[stackSlot_];
  if (stack != nullptr || !create || table.closed) return stack;
  // Without a stack every operation takes the lock, which is slower but complete.
  stack = static_cast<ThreadStack*>(std::calloc(1, sizeof(ThreadStack)));
  if (stack == nullptr) return nullptr;
  tThreadStacks.arm();
  table.stacks[stackSlot_] = stack;
  return stack;
}

void* EasyPooler::take() {
  ThreadStack* stack = threadStack(false);
  if (stack != nullptr && stack->count > 0) return stack->objects[--stack->count];
  return takeShared(stack);
}

void* EasyPooler::takeShared(ThreadStack* stack) {
  {
    LockGuard guard(locker_.lock());
    std::uint32_t count = freeList_.count();
    if (count > 0) {
      // Refill the thread's empty stack with the top of the shared list, in the same order.
      std::uint32_t moved = stack != nullptr ? stack->reserved : 0;
      if (moved > kMoveCount) moved = kMoveCount;
      if (moved > count) moved = count;
      if (moved < 2) return freeList_.popLastPointer();
      for (std::uint32_t i = 0; i < moved; ++i)
        stack->objects[i] = freeList_.pointerAt(count - moved + i);
      freeList_.setCountWithinCapacity(count - moved);
      stack->count = moved - 1;
      return stack->objects[moved - 1];
    }
  }
  return create_();
}

void EasyPooler::giveBack(void* object) {
  ThreadStack* stack = threadStack(true);
  if (stack == nullptr || stack->count >= stack->reserved) {
    giveBackShared(stack, object, false);
    return;
  }
  // Resetting may give back what the object owns, to this pool too: look at the room again.
  reset_(object);
  if (stack->count < stack->reserved) {
    stack->objects[stack->count++] = object;
    return;
  }
  giveBackShared(stack, object, true);
}

bool EasyPooler::makeStackRoomLocked(ThreadStack* stack) {
  if (stack->count < stack->reserved) return true;
  if (stack->count == kStackSlots) {
    // The stack is full: its older objects join the shared list with their share.
    for (std::uint32_t i = 0; i < kMoveCount; ++i) freeList_.appendPointer(stack->objects[i]);
    for (std::uint32_t i = kMoveCount; i < kStackSlots; ++i)
      stack->objects[i - kMoveCount] = stack->objects[i];
    stack->count -= kMoveCount;
    stack->reserved -= kMoveCount;
    reservedByStacks_ -= kMoveCount;
  }
  // Every free object is on the shared list or within a stack's share, so the pool is full when
  // the two add up to the capacity; for one thread the count is exact.
  std::uint32_t used = freeList_.count() + reservedByStacks_;
  std::uint32_t grant = used < capacity_ ? capacity_ - used : 0;
  if (grant > kStackSlots - stack->reserved) grant = kStackSlots - stack->reserved;
  stack->reserved += grant;
  reservedByStacks_ += grant;
  return stack->count < stack->reserved;
}

void EasyPooler::giveBackShared(ThreadStack* stack, void* object, bool isReset) {
  {
    LockGuard guard(locker_.lock());
    if (stack == nullptr) {
      if (freeList_.count() + reservedByStacks_ < capacity_) {
        reset_(object);
        freeList_.appendPointer(object);
        return;
      }
    } else {
      while (makeStackRoomLocked(stack)) {
        if (isReset) {
          stack->objects[stack->count++] = object;
          return;
        }
        // The lock is recursive: what the reset gives back may take the room found.
        reset_(object);
        isReset = true;
      }
    }
  }
  delete_(object);
}

void EasyPooler::deleteAll(s::col::_array::ArrayP& doomed) {
  for (std::uint32_t i = 0; i < doomed.count(); ++i) delete_(doomed.pointerAt(i));
  doomed.free();
}

void EasyPooler::drainStackLocked(ThreadStack* stack, s::col::_array::ArrayP& doomed) {
  reservedByStacks_ -= stack->reserved;
  stack->reserved = 0;
  for (std::uint32_t i = 0; i < stack->count; ++i) {
    if (freeList_.count() + reservedByStacks_ < capacity_) {
      freeList_.appendPointer(stack->objects[i]);
    } else {
      doomed.appendPointer(stack->objects[i]);
    }
  }
  stack->count = 0;
}

void EasyPooler::drainStack(ThreadStack* stack) {
  s::col::_array::ArrayP doomed;
  {
    LockGuard guard(locker_.lock());
    drainStackLocked(stack, doomed);
  }
  deleteAll(doomed);
}

std::uint32_t EasyPooler::takeFree(void** out, std::uint32_t n) {
  ThreadStack* stack = threadStack(false);
  s::col::_array::ArrayP doomed;
  std::uint32_t taken = 0;
  {
    LockGuard guard(locker_.lock());
    // The thread's stack is the top of the pool's stack: put it back under the batch.
    if (stack != nullptr) drainStackLocked(stack, doomed);
    std::uint32_t count = freeList_.count();
    taken = n < count ? n : count;
    for (std::uint32_t i = 0; i < taken; ++i) out[i] = freeList_.pointerAt(count - taken + i);
    freeList_.setCountWithinCapacity(count - taken);
  }
  deleteAll(doomed);
  return taken;
}

void EasyPooler::giveBackAll(void* const* objects, std::uint32_t n) {
  // The pool is full for the rest: they go, outside the lock as in giveBack.
  for (std::uint32_t i = keepAll(objects, n); i < n; ++i) delete_(objects[i]);
}

std::uint32_t EasyPooler::keepAll(void* const* objects, std::uint32_t n) {
  ThreadStack* stack = threadStack(false);
  s::col::_array::ArrayP doomed;
  std::uint32_t first = 0;
  {
    LockGuard guard(locker_.lock());
    if (stack != nullptr) drainStackLocked(stack, doomed);
    for (; first < n && freeList_.count() + reservedByStacks_ < capacity_; ++first) {
      reset_(objects[first]);
      freeList_.appendPointer(objects[first]);
    }
  }
  deleteAll(doomed);
  return first;
}

void EasyPooler::dispose(void** object) {
  if (*object == nullptr) return;
  giveBack(*object);
  *object = nullptr;
}

std::uint32_t EasyPooler::freeCount() {
  ThreadStack* stack = threadStack(false);
  LockGuard guard(locker_.lock());
  return freeList_.count() + (stack != nullptr ? stack->count : 0);
}

void EasyPooler::deleteFreeObjects() {
  s::col::_array::ArrayP doomed;
  {
    LockGuard guard(locker_.lock());
    doomed.swapStorage(freeList_);
  }
  deleteAll(doomed);
}

void EasyPooler::closeAtExit(void* pool) {
  auto* self = static_cast<EasyPooler*>(pool);
  {
    LockGuard guard(self->locker_.lock());
    // Objects still out and released later are deleted rather than kept.
    self->capacity_ = 0;
  }
  // The exiting thread's stack may still hold objects when its destructors have not run yet.
  if (ThreadStack* stack = self->threadStack(false)) self->drainStack(stack);
  self->deleteFreeObjects();
}

}  // namespace s::thread
