#pragma once

#include <cstddef>
#include <utility>

namespace s::base {

// Holds a library object taken from a pool and gives it back with release() when the handle
// goes out of scope. Move-only, so no path can release twice or forget to release.
template <class T>
class Owned {
 public:
  Owned() = default;
  explicit Owned(T* object) : object_(object) {}
  Owned(std::nullptr_t) {}
  Owned(Owned&& other) noexcept : object_(other.detach()) {}
  template <class U>
  Owned(Owned<U>&& other) noexcept : object_(other.detach()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.detach());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Gives up ownership without releasing.
  T* detach() {
    T* object = object_;
    object_ = nullptr;
    return object;
  }

  void reset(T* object = nullptr) {
    T* old = object_;
    object_ = object;
    if (old != nullptr) old->release();
  }

 private:
  T* object_ = nullptr;
};

}  // namespace s::base
