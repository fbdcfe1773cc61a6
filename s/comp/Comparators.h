#pragma once

#include <cstdint>
#include <type_traits>

#include "s/base/IComparator.h"
#include "s/base/IObject.h"

namespace s::comp {

// Compares two elements of type T given by address: -1, 0 or 1.
template <class T>
class NumberComparator final : public s::base::IObject, public s::base::IComparator {
 public:
  const char16_t* className() const override;
  // The comparators are stateless and shared: every instance is the shared one.
  s::base::IObject* newInstance() const override { return &instance(); }

  int compare(const void* a, const void* b) const override {
    auto x = key(*static_cast<const T*>(a));
    auto y = key(*static_cast<const T*>(b));
    return x < y ? -1 : (y < x ? 1 : 0);
  }
  using s::base::IObject::compare;

  // Pointers are ordered by their address as a number.
  static auto key(T value) {
    if constexpr (std::is_pointer_v<T>) {
      return reinterpret_cast<std::uintptr_t>(value);
    } else {
      return value;
    }
  }

  static NumberComparator& instance() {
    static auto* comparator = new NumberComparator();
    return *comparator;
  }
};

// Unsigned byte order.
using CompU08 = NumberComparator<std::uint8_t>;
using CompS08 = NumberComparator<std::int8_t>;
using CompU32 = NumberComparator<std::uint32_t>;
using CompS32 = NumberComparator<std::int32_t>;
// Pointers ordered by address.
using CompP = NumberComparator<const void*>;

template <>
const char16_t* CompU08::className() const;
template <>
const char16_t* CompS08::className() const;
template <>
const char16_t* CompU32::className() const;
template <>
const char16_t* CompS32::className() const;
template <>
const char16_t* CompP::className() const;

}  // namespace s::comp
