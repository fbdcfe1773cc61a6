#include "s/str/strbuffer/Iterator.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::str::strbuffer {

s::base::IObject* Iterator::newInstance() const { return s::thread::takeFromPool<Iterator>(); }

void Iterator::release() { s::thread::giveBackToPool(this); }

void Iterator::reset() {
  index_ = -1;
  text_ = nullptr;
  current_ = nullptr;
}

s::base::Owned<Iterator> Iterator::over(const StrBuffer* text, std::uint32_t unit,
                                        std::int32_t index) {
  auto iterator = s::thread::obtain<Iterator>();
  iterator->text_ = text;
  iterator->index_ = index;
  iterator->current_ = text->data() + unit;
  return iterator;
}

bool Iterator::hasNext() const { return index_ < static_cast<std::int32_t>(text_->length()) - 1; }

}  // namespace s::str::strbuffer
