#include "s/thread/ObjLocker.h"

#include <cstdlib>

#include "s/base/IDestructor.h"

namespace s::thread {

ObjLocker::~ObjLocker() {
  if (object_ == nullptr) return;
  if (deleter_ != nullptr) {
    deleter_(object_);
  } else if (destructor_ != nullptr) {
    destructor_->dispose(&object_);
  } else {
    std::free(object_);
  }
  object_ = nullptr;
}

}  // namespace s::thread
