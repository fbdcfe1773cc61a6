#pragma once

namespace s::base {

// Orders two elements given by address; returns -1, 0 or 1.
class IComparator {
 public:
  virtual ~IComparator() = default;
  virtual int compare(const void* a, const void* b) const = 0;
  virtual int compareIgnoreCase(const void* a, const void* b) const { return compare(a, b); }
};

}  // namespace s::base
