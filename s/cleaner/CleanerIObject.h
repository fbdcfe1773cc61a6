#pragma once

#include "s/base/IDestructor.h"

namespace s::cleaner {

// Deletes an object through its virtual destructor. The slot must hold an IObject pointer.
class CleanerIObject final : public s::base::IDestructor {
 public:
  void dispose(void** object) override;
  // The process-wide instance, used as the element releaser of arrays that own what they hold.
  static CleanerIObject& instance();
};

// Frees a raw block from the C heap.
class CleanerRawObject final : public s::base::IDestructor {
 public:
  void dispose(void** object) override;
  static CleanerRawObject& instance();
};

}  // namespace s::cleaner
