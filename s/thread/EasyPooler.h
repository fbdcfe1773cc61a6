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
  void dispose(void** object) override;

  std::uint32_t capacity() const { return capacity_; }
  std::uint32_t freeCount();

 private:
  static void closeAtExit(void* pool);
  void deleteFreeObjects();

  ObjLocker locker_;
  s::col::_array::ArrayP freeList_;
  std::uint32_t capacity_;
  CreateFn create_;
  DeleteFn delete_;
  ResetFn reset_;
};

}  // namespace s::thread
