#include "s/tree/FlexNode.h"

#include "s/base/IDestructor.h"
#include "s/thread/Pool.h"

namespace s::tree {

FlexNode::~FlexNode() {
  disposeValue();
  deleteChildren();
}

s::base::IObject* FlexNode::newInstance() const { return s::thread::takeFromPool<FlexNode>(); }

void FlexNode::release() { s::thread::giveBackToPool(this); }

void FlexNode::reset() {
  disposeValue();
  deleteChildren();
  number_ = 0;
}

void FlexNode::setValue(void* value, s::base::IDestructor* disposer) {
  disposeValue();
  value_ = value;
  disposer_ = disposer;
}

void FlexNode::addChild(FlexNode* child) {
  if (children_ == nullptr) children_ = new s::col::_array::ArrayP();
  children_->appendPointer(child);
}

void FlexNode::disposeValue() {
  if (disposer_ != nullptr) disposer_->dispose(&value_);
  value_ = nullptr;
  disposer_ = nullptr;
}

void FlexNode::deleteChildren() {
  if (children_ == nullptr) return;
  for (std::uint32_t i = 0; i < children_->count(); ++i) childAt(i)->release();
  delete children_;
  children_ = nullptr;
}

Flex::~Flex() { setRoot(nullptr); }

void Flex::setRoot(FlexNode* root) {
  if (root_ != nullptr) root_->release();
  root_ = root;
}

}  // namespace s::tree
