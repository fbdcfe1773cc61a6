#include "s/col/_array/Iterator.h"

#include "s/col/_array/ArrayBase.h"
#include "s/thread/Pool.h"

namespace s::col::_array {

s::base::IObject* Iterator::newInstance() const { return s::thread::takeFromPool<Iterator>(); }

void Iterator::release() { s::thread::giveBackToPool(this); }

void Iterator::reset() {
  index_ = -1;
  position_ = 0;
  array_ = nullptr;
}

s::base::Owned<Iterator> Iterator::over(ArrayBase* array, std::uint32_t position,
                                        std::int32_t index) {
  auto iterator = s::thread::obtain<Iterator>();
  iterator->array_ = array;
  iterator->position_ = position;
  iterator->index_ = index;
  return iterator;
}

bool Iterator::hasNext() const { return index_ < static_cast<std::int32_t>(array_->count()) - 1; }

void* Iterator::next() {
  ++index_;
  return array_->elementAt(position_++);
}

void* Iterator::previous() {
  --index_;
  return array_->elementAt(--position_);
}

}  // namespace s::col::_array
