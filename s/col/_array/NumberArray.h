#pragma once

#include <cstdint>
#include <type_traits>

#include "s/col/_array/ArrayBase.h"

namespace s::col::_array {

// A growable array of one numeric element type, with typed access and its own pool.
template <class T>
class NumberArray final : public ArrayBase {
 public:
  NumberArray() : ArrayBase(sizeof(T) == 1 ? 0 : 2) {
    static_assert(sizeof(T) == 1 || sizeof(T) == 4, "byte or 32-bit elements only");
  }

  const char16_t* className() const override;
  s::base::IObject* newInstance() const override;
  void release() override;
  // Frees the storage: an array back in its pool keeps nothing.
  void reset() override { free(); }

  T at(std::uint32_t index) const { return static_cast<const T*>(data())[index]; }
  void set(std::uint32_t index, T value) { static_cast<T*>(data())[index] = value; }
  T* items() { return static_cast<T*>(data()); }
  const T* items() const { return static_cast<const T*>(data()); }
  void add(T value) {
    if (count() < capacity()) {
      items()[count()] = value;
      setCountWithinCapacity(count() + 1);
    } else {
      append(&value, 1);
    }
  }

  const void* samples() const override {
    static const T values[5] = {0, 1, 2, 3, 4};
    return values;
  }
  void appendElementText(StrBuffer& buffer, const void* element) const override;
  void appendElementHex(StrBuffer& buffer, const void* element) const override;
  const s::base::IComparator& defaultComparator() const override;
};

using ArrayU08 = NumberArray<std::uint8_t>;
using ArrayS08 = NumberArray<std::int8_t>;
using ArrayU32 = NumberArray<std::uint32_t>;
using ArrayS32 = NumberArray<std::int32_t>;

template <>
const char16_t* ArrayU08::className() const;
template <>
const char16_t* ArrayS08::className() const;
template <>
const char16_t* ArrayU32::className() const;
template <>
const char16_t* ArrayS32::className() const;

extern template class NumberArray<std::uint8_t>;
extern template class NumberArray<std::int8_t>;
extern template class NumberArray<std::uint32_t>;
extern template class NumberArray<std::int32_t>;

// Linear search from index 0 for the first element equal to value.
bool arrayIndexOf(std::int32_t value, const ArrayS32& array, std::uint32_t* index);

}  // namespace s::col::_array
