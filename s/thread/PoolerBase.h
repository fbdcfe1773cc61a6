#pragma once

#include <cstdint>

#include "s/base/IDestructor.h"
#include "s/base/IGenerator.h"
#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/ObjLocker.h"

namespace s::thread {

// A pool that can also account for the size of what it keeps. Subclasses make, reset and
// destroy the objects; the base decides what to keep.
class PoolerBase : public s::base::IObject,
                   public s::base::IGenerator,
                   public s::base::IDestructor {
 public:
  static constexpr std::uint32_t kMaxFree = 1000;
  static constexpr std::uint32_t kMaxObjectSize = 1024;
  static constexpr std::uint32_t kMaxTotalSize = 102400;
  // Asks sizeOf() for the size of an object given back.
  static constexpr std::uint32_t kAskSize = 0xFFFFFFFFu;

  PoolerBase() = default;
  ~PoolerBase() override;
  PoolerBase(const PoolerBase&) = delete;
  PoolerBase& operator=(const PoolerBase&) = delete;

  const char16_t* className() const override { return u"s_thread_PoolerBase"; }

  virtual std::uint32_t sizeOf(void* object);
  void giveBack(void* object, std::uint32_t size = kAskSize);
  void* take();
  virtual void resetObject(void* object) = 0;
  virtual void destroyObject(void** object) = 0;
  void dispose(void** object) override;
  // Batch forms for callers that need many objects at once: one entry of the lock instead of
  // one per object. takeFree moves up to n free objects (none is made) into out, the most
  // recently given back last, so that using them from the end gives take()'s order; giveBackAll
  // gives back objects[0..n) in that order, each kept or destroyed as giveBack would.
  std::uint32_t takeFree(void** out, std::uint32_t n);
  void giveBackAll(void* const* objects, std::uint32_t n);
  // giveBackAll without the destroying: keeps objects[0..k) as giveBackAll would and returns
  // k; the pool is full for the rest, which the caller destroys as destroyObject would. With
  // size accounting every object is kept or destroyed by its own size, and k is n.
  std::uint32_t keepAll(void* const* objects, std::uint32_t n);

  std::uint32_t freeCount();
  std::uint32_t totalSize();

 protected:
  // Free objects are deleted by the subclass's destructor through this, while it can still
  // destroy them.
  void destroyFreeObjects();
  // Destroys the free objects, and from then on every object given back: a process-wide pool's
  // end at process exit, after which nothing would free what it kept.
  void close();
  void setSizeAccounting(bool on) { sizeAccounting_ = on; }

 private:
  ObjLocker locker_;
  s::col::_array::ArrayP freeList_;
  std::uint32_t maxFree_ = kMaxFree;
  std::uint32_t maxObjectSize_ = kMaxObjectSize;
  std::uint32_t maxTotalSize_ = kMaxTotalSize;
  std::uint32_t totalSize_ = 0;
  bool sizeAccounting_ = false;
  bool closed_ = false;
};

// The plain size-aware pool.
class Factory : public PoolerBase {
 public:
  const char16_t* className() const override { return u"s_thread_Factory"; }
};

}  // namespace s::thread
