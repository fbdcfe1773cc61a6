#pragma once

#include "s/base/IObject.h"
#include "s/thread/Lock.h"

namespace s::base {
class IDestructor;
}

namespace s::thread {

// A lock together with the object it guards. Destroying the locker disposes of the object:
// through the deleter if set, else through the destructor, else as a raw heap block.
class ObjLocker final : public s::base::IObject {
 public:
  using Deleter = void (*)(void*);

  ObjLocker() = default;
  ObjLocker(void* object, Deleter deleter, s::base::IDestructor* destructor)
      : object_(object), deleter_(deleter), destructor_(destructor) {}
  ~ObjLocker() override;
  ObjLocker(const ObjLocker&) = delete;
  ObjLocker& operator=(const ObjLocker&) = delete;

  const char16_t* className() const override { return u"s_thread_ObjLocker"; }
  // A new, empty locker owned by the caller.
  s::base::IObject* newInstance() const override { return new ObjLocker(); }

  Lock& lock() { return lock_; }
  void* object() const { return object_; }
  void setObject(void* object, Deleter deleter, s::base::IDestructor* destructor) {
    object_ = object;
    deleter_ = deleter;
    destructor_ = destructor;
  }

 private:
  void* object_ = nullptr;
  Deleter deleter_ = nullptr;
  s::base::IDestructor* destructor_ = nullptr;
  Lock lock_;
};

}  // namespace s::thread
