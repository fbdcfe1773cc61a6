#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/thread/IPoolable.h"

namespace s::col::_array {

class ArrayBase;

// Walks the elements of an array as the text iterator walks the units of a text: a current
// element (by position, so the array may grow meanwhile) and an index that moves with it but can
// be set on its own. The index is -1 before the first element.
class Iterator final : public s::base::IObject, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_col__array_Iterator"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // An iterator over array with its current element at `position` and the given index.
  static s::base::Owned<Iterator> over(ArrayBase* array, std::uint32_t position,
                                       std::int32_t index);

  std::int32_t index() const { return index_; }
  // Sets the index without moving the current element.
  void setIndex(std::int32_t index) { index_ = index; }
  bool hasNext() const;
  bool hasPrevious() const { return index_ > 0; }
  void advance(std::int32_t n) {
    index_ += n;
    position_ += static_cast<std::uint32_t>(n);
  }
  void back(std::int32_t n) {
    index_ -= n;
    position_ -= static_cast<std::uint32_t>(n);
  }
  // Returns the current element's address, then moves forward.
  void* next();
  // Moves back and returns the new current element's address.
  void* previous();

 private:
  std::int32_t index_ = -1;
  std::uint32_t position_ = 0;
  ArrayBase* array_ = nullptr;
};

}  // namespace s::col::_array
