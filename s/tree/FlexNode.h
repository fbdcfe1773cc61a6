#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/IPoolable.h"

namespace s::base {
class IDestructor;
}

namespace s::tree {

// A node of a generic tree: an integer, a value with its disposer, and children that it owns.
// Its pool keeps nothing: every node given back is deleted with its subtree.
class FlexNode final : public s::base::IObject, public s::thread::IPoolable {
 public:
  static constexpr std::uint32_t kPoolCapacity = 0;

  FlexNode() = default;
  ~FlexNode() override;
  FlexNode(const FlexNode&) = delete;
  FlexNode& operator=(const FlexNode&) = delete;

  const char16_t* className() const override { return u"s_tree_FlexNode"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  std::int32_t number() const { return number_; }
  void setNumber(std::int32_t number) { number_ = number; }
  void* value() const { return value_; }
  // Disposes of the previous value, then keeps value (disposed of by disposer, may be null).
  void setValue(void* value, s::base::IDestructor* disposer);

  std::uint32_t childCount() const { return children_ == nullptr ? 0 : children_->count(); }
  FlexNode* childAt(std::uint32_t index) const {
    return static_cast<FlexNode*>(children_->pointerAt(index));
  }
  // Takes ownership of child.
  void addChild(FlexNode* child);

 private:
  void disposeValue();
  void deleteChildren();

  std::int32_t number_ = 0;
  void* value_ = nullptr;
  s::base::IDestructor* disposer_ = nullptr;
  s::col::_array::ArrayP* children_ = nullptr;
};

// Holds the root of a tree and deletes the tree with it.
class Flex final : public s::base::IObject {
 public:
  Flex() = default;
  ~Flex() override;
  Flex(const Flex&) = delete;
  Flex& operator=(const Flex&) = delete;

  const char16_t* className() const override { return u"s_tree_Flex"; }
  s::base::IObject* newInstance() const override { return new Flex(); }

  FlexNode* root() const { return root_; }
  // Takes ownership of root; a previous root is deleted with its tree.
  void setRoot(FlexNode* root);

 private:
  FlexNode* root_ = nullptr;
};

}  // namespace s::tree
