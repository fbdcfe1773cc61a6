#pragma once

namespace s::base {

// Disposes of the object a slot designates, if any, and clears the slot. Pools and the cleaners
// implement it; arrays that own their elements use one as their element releaser.
class IDestructor {
 public:
  virtual ~IDestructor() = default;
  virtual void dispose(void** object) = 0;
};

}  // namespace s::base
