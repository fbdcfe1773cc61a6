#pragma once

#include <cstdint>

#include "s/base/IDestructor.h"
#include "s/base/IGenerator.h"
#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/ObjLocker.h"

namespace s::thread {

// A process-wide pool of free objects of one class. take() pops the most recently given-back
// object or creates one; giveBack() resets and keeps an object while fewer than `capacity` are
// free, and deletes it otherwise.
//
// A pool made by createProcessWide also keeps a short stack per thread in front of its shared
// free list, so that most takes and give-backs need no lock: every lock entry is an atomic
// operation, which costs as much as a whole allocation from a heap with thread caches. The
// thread's stack is the top of the pool's stack, so one thread sees exactly the order and the
// capacity rule above; each thread holds a share of the capacity for its stack, which goes back
// to the pool, with the objects, when the thread ends or a batch operation runs.
class EasyPooler final : public s::base::IObject,
                         public s::base::IGenerator,
                         public s::base::IDestructor {
 public:
  using CreateFn = void* (*)();
  using DeleteFn = void (*)(void*);
  using ResetFn = void (*)(void*);

  static constexpr std::uint32_t kDefaultCapacity = 1000;

  EasyPooler(std::uint32_t capacity, CreateFn create, DeleteFn destroy, ResetFn reset);
  ~EasyPooler() override;
  EasyPooler(const EasyPooler&) = delete;
  EasyPooler& operator=(const EasyPooler&) = delete;

  // A pool that lives until process exit, when its free objects are deleted; objects given back
  // after that are deleted at once.
  static EasyPooler* createProcessWide(std::uint32_t capacity, CreateFn create, DeleteFn destroy,
                                       ResetFn reset);

  const char16_t* className() const override { return u"s_thread_EasyPooler"; }
  // A new, separate pool with the same capacity and functions, owned by the caller.
  s::base::IObject* newInstance() const override;

  void* take();
  void giveBack(void* object);
  void* generate() override { return take(); }
  // A new object from the create function, without looking at the free list.
  void* createNew() { return create_(); }
  // Batch forms for callers that need many objects at once: one entry of the lock instead of
  // one per object. takeFree moves up to n free objects (none is made) into out, the most
  // recently given back last, so that using them from the end gives take()'s order; giveBackAll
  // gives back objects[0..n) in that order, each kept or deleted as giveBack would.
  std::uint32_t takeFree(void** out, std::uint32_t n);
  void giveBackAll(void* const* objects, std::uint32_t n);
  // giveBackAll without the deleting: keeps objects[0..k) as giveBackAll would and returns k;
  // the pool is full for the rest, which the caller deletes as the delete function would.
  std::uint32_t keepAll(void* const* objects, std::uint32_t n);
  void dispose(void** object) override;

  std::uint32_t capacity() const { return capacity_; }
  // Free objects as the calling thread sees them: the shared list and its own stack.
  std::uint32_t freeCount();

  struct ThreadStack;

 private:
  friend class ThreadStacks;
  static constexpr std::uint32_t kNoStack = 0xFFFFFFFFu;

  static void closeAtExit(void* pool);
  void deleteFreeObjects();
  ThreadStack* threadStack(bool create);
  void* takeShared(ThreadStack* stack);
  void giveBackShared(ThreadStack* stack, void* object, bool isReset);
  // Under the lock: makes room on the thread's stack (moving its older half to the shared list
  // when it is full, asking for more share); false when the pool is full.
  bool makeStackRoomLocked(ThreadStack* stack);
  // Under the lock: moves the stack's objects onto the shared list (deleting any the capacity no
  // longer allows, into `doomed`) and returns its share of the capacity.
  void drainStackLocked(ThreadStack* stack, s::col::_array::ArrayP& doomed);
  void drainStack(ThreadStack* stack);
  // Deletes the objects collected under the lock, after leaving it, and frees the list.
  void deleteAll(s::col::_array::ArrayP& doomed);

  ObjLocker locker_;
  s::col::_array::ArrayP freeList_;
  std::uint32_t capacity_;
  CreateFn create_;
  DeleteFn delete_;
  ResetFn reset_;
  std::uint32_t stackSlot_ = kNoStack;  // index of this pool's stack in every thread
  std::uint32_t reservedByStacks_ = 0;  // capacity shares held by thread stacks, under the lock
};

}  // namespace s::thread
