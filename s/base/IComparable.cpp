#include "s/base/IComparable.h"

#include <cstdint>
#include <typeinfo>

#include "s/base/IComparator.h"

namespace s::base {

int IComparable::compare(const IComparable* other, const IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compare(this, other);
  if (this == other) return 0;
  return this < other ? -1 : 1;
}

int IComparable::compareIgnoreCase(const IComparable* other, const IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compareIgnoreCase(this, other);
  return compare(other, nullptr);
}

bool IComparable::equals(const IComparable* other, const IComparator* comparator) const {
  return compare(other, comparator) == 0;
}

bool IComparable::equalsIgnoreCase(const IComparable* other, const IComparator* comparator) const {
  return compareIgnoreCase(other, comparator) == 0;
}

int IComparable::hash() const {
  // The class's identity: the address of its type record.
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(&typeid(*this)));
}

int IComparable::hashIgnoreCase() const { return hash(); }

}  // namespace s::base
