#pragma once

#include <cstdint>
#include <type_traits>

#include "s/base/Owned.h"
#include "s/thread/EasyPooler.h"

namespace s::thread {

// A pooled class may declare `static constexpr std::uint32_t kPoolCapacity`; 1000 otherwise.
template <class T, class = void>
struct PoolCapacity : std::integral_constant<std::uint32_t, EasyPooler::kDefaultCapacity> {};
template <class T>
struct PoolCapacity<T, std::void_t<decltype(T::kPoolCapacity)>>
    : std::integral_constant<std::uint32_t, T::kPoolCapacity> {};

// The one process-wide pool of class T, created on first use. Objects travel through it as
// T* converted to void*, never through a base-class pointer.
template <class T>
EasyPooler& poolOf() {
  static EasyPooler* const pool = EasyPooler::createProcessWide(
      PoolCapacity<T>::value, []() -> void* { return new T(); },
      [](void* object) { delete static_cast<T*>(object); },
      [](void* object) { static_cast<T*>(object)->T::reset(); });
  return *pool;
}

// Takes an object of class T from its pool; the caller gives it back with release().
template <class T>
T* takeFromPool() {
  return static_cast<T*>(poolOf<T>().take());
}

template <class T>
void giveBackToPool(T* object) {
  poolOf<T>().giveBack(object);
}

// Takes an object of class T from its pool, held by a handle that gives it back.
template <class T>
s::base::Owned<T> obtain() {
  return s::base::Owned<T>(takeFromPool<T>());
}

}  // namespace s::thread
