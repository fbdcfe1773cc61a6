#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {

class StrBuffer;

// Walks the units of a text. The index is -1 before the first unit.
class Iterator final : public s::base::IObject, public s::thread::IPoolable {
 public:
  const char16_t* className() const override { return u"s_str_strbuffer_Iterator"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // An iterator over text with its pointer at unit `unit` and the given index.
  static s::base::Owned<Iterator> over(const StrBuffer* text, std::uint32_t unit,
                                       std::int32_t index);

  std::int32_t index() const { return index_; }
  // Sets the index without moving the pointer.
  void setIndex(std::int32_t index) { index_ = index; }
  bool hasNext() const;
  bool hasPrevious() const { return index_ > 0; }
  void advance(std::int32_t n) {
    index_ += n;
    current_ += n;
  }
  void back(std::int32_t n) {
    index_ -= n;
    current_ -= n;
  }
  // Returns the current unit's address, then moves forward.
  const char16_t* next() {
    ++index_;
    return current_++;
  }
  // Moves back and returns the new current unit's address.
  const char16_t* previous() {
    --index_;
    return --current_;
  }

 private:
  std::int32_t index_ = -1;
  const StrBuffer* text_ = nullptr;
  const char16_t* current_ = nullptr;
};

}  // namespace s::str::strbuffer
