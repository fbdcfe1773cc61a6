#include "support/Block.h"

#include "s/thread/Pool.h"

namespace support {

Block* Block::make(std::int32_t minimumWidth, std::int32_t minimumHeight,
                   std::int32_t preferredWidth, std::int32_t preferredHeight) {
  Block* block = s::thread::takeFromPool<Block>();
  block->setDefaultSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
  return block;
}

s::base::IObject* Block::newInstance() const { return s::thread::takeFromPool<Block>(); }

void Block::release() { s::thread::giveBackToPool(this); }

void Block::reset() {
  resetLeaf();
  name_ = u"support_Block";
  editable_ = true;
}

}  // namespace support
