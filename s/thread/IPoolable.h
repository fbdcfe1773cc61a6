#pragma once

namespace s::thread {

// An object that lives in its class's pool.
class IPoolable {
 public:
  virtual ~IPoolable() = default;
  // Gives the whole object back to its class's pool; the caller must not touch it afterwards.
  virtual void release() = 0;
  // Returns the object to its freshly constructed state; called before it joins the free list.
  virtual void reset() = 0;
};

}  // namespace s::thread
