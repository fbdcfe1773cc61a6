#include "s/col/_array/NumberArray.h"

#include "s/comp/Comparators.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::col::_array {

template <>
const char16_t* ArrayU08::className() const {
  return u"s_col__array_ArrayU08";
}
template <>
const char16_t* ArrayS08::className() const {
  return u"s_col__array_ArrayS08";
}
template <>
const char16_t* ArrayU32::className() const {
  return u"s_col__array_ArrayU32";
}
template <>
const char16_t* ArrayS32::className() const {
  return u"s_col__array_ArrayS32";
}

template <class T>
s::base::IObject* NumberArray<T>::newInstance() const {
  return s::thread::takeFromPool<NumberArray<T>>();
}

template <class T>
void NumberArray<T>::release() {
  s::thread::giveBackToPool(this);
}

template <class T>
void NumberArray<T>::appendElementText(StrBuffer& buffer, const void* element) const {
  T value = *static_cast<const T*>(element);
  if constexpr (std::is_signed_v<T>) {
    buffer.appendInt32(value);
  } else {
    buffer.appendUInt32(value);
  }
}

template <class T>
void NumberArray<T>::appendElementHex(StrBuffer& buffer, const void* element) const {
  if constexpr (sizeof(T) == 1) {
    auto value = static_cast<std::uint8_t>(*static_cast<const T*>(element));
    buffer.appendHex8(&value, 1);
  } else {
    auto value = static_cast<std::uint32_t>(*static_cast<const T*>(element));
    buffer.appendHex32(&value, 1);
  }
}

template <class T>
const s::base::IComparator& NumberArray<T>::defaultComparator() const {
  return s::comp::NumberComparator<T>::instance();
}

template class NumberArray<std::uint8_t>;
template class NumberArray<std::int8_t>;
template class NumberArray<std::uint32_t>;
template class NumberArray<std::int32_t>;

bool arrayIndexOf(std::int32_t value, const ArrayS32& array, std::uint32_t* index) {
  const std::int32_t* items = array.items();
  for (std::uint32_t i = 0; i < array.count(); ++i) {
    if (items[i] == value) {
      *index = i;
      return true;
    }
  }
  return false;
}

}  // namespace s::col::_array
