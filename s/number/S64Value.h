#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::number {

// A boxed signed 64-bit value.
class S64Value final : public s::base::IObject, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_number_S64Value"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Nothing to reset: the taker sets the value.
  void reset() override {}

  int compare(const s::base::IComparable* other,
              const s::base::IComparator* comparator = nullptr) const override;
  int compareIgnoreCase(const s::base::IComparable* other,
                        const s::base::IComparator* comparator = nullptr) const override {
    return compare(other, comparator);
  }
  bool equals(const s::base::IComparable* other,
              const s::base::IComparator* comparator = nullptr) const override;
  bool equalsIgnoreCase(const s::base::IComparable* other,
                        const s::base::IComparator* comparator = nullptr) const override {
    return equals(other, comparator);
  }
  int hash() const override;
  int hashIgnoreCase() const override { return hash(); }

  std::int64_t value() const { return value_; }
  void setValue(std::int64_t value) { value_ = value; }

 private:
  std::int64_t value_ = 0;
};

}  // namespace s::number
