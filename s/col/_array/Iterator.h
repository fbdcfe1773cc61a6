#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/thread/IPoolable.h"

namespace s::col::_array {

class ArrayBase;

// Walks the elements of an array. The index is -1 before the first element.
class Iterator final : public s::base::IObject, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_col__array_Iterator"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // An iterator over array at index (-1 before the first element, count after the last).
  static s::base::Owned<Iterator> at(ArrayBase* array, std::int32_t index);

  std::int32_t index() const { return index_; }
  void setIndex(std::int32_t index) { index_ = index; }
  bool hasNext() const;
  bool hasPrevious() const { return index_ > 0; }
  void advance(std::int32_t n) { index_ += n; }
  void back(std::int32_t n) { index_ -= n; }
  // Moves to the next element and returns its address.
  void* next();
  // Moves to the previous element and returns its address.
  void* previous();

 private:
  std::int32_t index_ = -1;
  ArrayBase* array_ = nullptr;
};

}  // namespace s::col::_array
