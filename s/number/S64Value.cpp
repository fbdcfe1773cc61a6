#include "s/number/S64Value.h"

#include "s/base/IComparator.h"
#include "s/thread/Pool.h"

namespace s::number {

s::base::IObject* S64Value::newInstance() const { return s::thread::takeFromPool<S64Value>(); }

void S64Value::release() { s::thread::giveBackToPool(this); }

int S64Value::compare(const s::base::IComparable* other,
                      const s::base::IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compare(this, other);
  const auto* that = dynamic_cast<const S64Value*>(other);
  if (that == nullptr) return IComparable::compare(other, nullptr);
  if (value_ == that->value_) return 0;
  return value_ < that->value_ ? -1 : 1;
}

bool S64Value::equals(const s::base::IComparable* other,
                      const s::base::IComparator* comparator) const {
  return compare(other, comparator) == 0;
}

int S64Value::hash() const {
  auto bits = static_cast<std::uint64_t>(value_);
  return static_cast<int>(static_cast<std::uint32_t>(bits) ^
                          static_cast<std::uint32_t>(bits >> 32));
}

}  // namespace s::number
