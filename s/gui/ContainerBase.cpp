#include "s/gui/ContainerBase.h"

#include <algorithm>

#include "s/gui/ILayoutManager.h"
#include "s/gui/INativeWindows.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/layout/Vertical.h"

namespace s::gui {

ContainerBase::ContainerBase() = default;

ContainerBase::~ContainerBase() = default;

std::int32_t ContainerBase::innerWidth() const { return std::max(width() - left_ - right_, 0); }

void ContainerBase::setInnerWidth(std::int32_t width) { setWidth(width + left_ + right_); }

std::int32_t ContainerBase::innerHeight() const { return std::max(height() - top_ - bottom_, 0); }

void ContainerBase::setInnerHeight(std::int32_t height) { setHeight(height + top_ + bottom_); }

std::int32_t ContainerBase::minimumWidth() const { return widthRule_.minimum(left_ + right_); }

std::int32_t ContainerBase::minimumHeight() const { return heightRule_.minimum(top_ + bottom_); }

std::int32_t ContainerBase::preferredWidth() const {
  return widthRule_.preferred(left_ + right_, parent() != nullptr ? parent()->innerWidth() : -1);
}

std::int32_t ContainerBase::preferredHeight() const {
  return heightRule_.preferred(top_ + bottom_, parent() != nullptr ? parent()->innerHeight() : -1);
}

std::int32_t ContainerBase::minimumInnerWidth() const {
  return std::max(minimumWidth() - left_ - right_, 0);
}

std::int32_t ContainerBase::minimumInnerHeight() const {
  return std::max(minimumHeight() - top_ - bottom_, 0);
}

std::int32_t ContainerBase::preferredInnerWidth() const {
  return std::max(preferredWidth() - left_ - right_, 0);
}

std::int32_t ContainerBase::preferredInnerHeight() const {
  return std::max(preferredHeight() - top_ - bottom_, 0);
}

void ContainerBase::addChild(IComponent* child) {
  if (child == nullptr || child == this || child->parent() != nullptr) return;
  children_.appendPointer(child);
  if (nativeWindow() != nullptr) {
    // The child's window must belong to the thread of ours; the sender waits for it.
    nativeWindows().send(nativeWindow(), PrivateMessage::kSetParentOf, child);
  } else {
    child->setParent(this);
  }
  if (left_ != 0 || top_ != 0) child->setOffset(left_, top_);
  relayout();
  relayoutParent();
}

void ContainerBase::releaseChild(std::uint32_t index, bool destroySubtree) {
  auto* child = static_cast<IComponent*>(children_.removeAt(index));
  if (destroySubtree) child->removeAllChildren();
  child->setParent(nullptr);
  child->release();
}

void ContainerBase::removeChild(IComponent* child, bool destroySubtree) {
  for (std::uint32_t i = 0; i < children_.count(); ++i) {
    if (children_.pointerAt(i) == child) {
      releaseChild(i, destroySubtree);
      relayout();
      return;
    }
  }
}

void ContainerBase::removeAllChildren() {
  if (children_.count() == 0) return;
  while (children_.count() > 0) releaseChild(children_.count() - 1, true);
  relayout();
}

void ContainerBase::relayout() {
  if (layoutSuspended_ || layoutDepth_ >= kLayoutDepthLimit) return;
  ++layoutDepth_;
  setContentResults(0, 0, 0, 0);
  if (children_.count() > 0) {
    if (manager_ != nullptr) {
      manager_->layout(this);
    } else {
      arrange();
    }
  }
  layoutDone();
  --layoutDepth_;
}

void ContainerBase::arrange() { s::gui::layout::Vertical::instance().layout(this); }

std::int32_t ContainerBase::arrangement() const {
  return manager_ != nullptr ? manager_->arrangement() : ownArrangement();
}

void ContainerBase::setMargins(std::int32_t left, std::int32_t right, std::int32_t top,
                               std::int32_t bottom) {
  left_ = left;
  right_ = right;
  top_ = top;
  bottom_ = bottom;
  for (std::uint32_t i = 0; i < children_.count(); ++i) childAt(i)->setOffset(left_, top_);
  relayout();
}

void ContainerBase::setContentResults(std::int32_t minimumWidth, std::int32_t minimumHeight,
                                      std::int32_t preferredWidth, std::int32_t preferredHeight) {
  widthRule_.contentMinimum = minimumWidth;
  heightRule_.contentMinimum = minimumHeight;
  widthRule_.contentPreferred = preferredWidth;
  heightRule_.contentPreferred = preferredHeight;
}

void ContainerBase::setWidthPercentage(std::int32_t percent, bool relayoutParent) {
  widthRule_.percent = percent;
  sizeRuleChanged(relayoutParent);
}

void ContainerBase::setHeightPercentage(std::int32_t percent, bool relayoutParent) {
  heightRule_.percent = percent;
  sizeRuleChanged(relayoutParent);
}

void ContainerBase::setFixedWidth(std::int32_t width, bool relayoutParent) {
  widthRule_.fixed = width;
  sizeRuleChanged(relayoutParent);
}

void ContainerBase::setFixedHeight(std::int32_t height, bool relayoutParent) {
  heightRule_.fixed = height;
  sizeRuleChanged(relayoutParent);
}

void ContainerBase::sizeRuleChanged(bool relayoutParent) {
  if (nativeWindow() == nullptr) return;
  relayout();
  if (relayoutParent) this->relayoutParent();
}

bool ContainerBase::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  if (message == PrivateMessage::kSetParentOf) {
    auto* child = reinterpret_cast<IComponent*>(wParam);
    if (child != nullptr) child->setParent(this);
    *result = 0;
    return true;
  }
  return ComponentBase::preHandle(result, message, wParam, lParam);
}

void ContainerBase::resetContainer() {
  while (children_.count() > 0) releaseChild(children_.count() - 1, true);
  children_.free();
  resetComponent();
  widthRule_ = SizeRule();
  heightRule_ = SizeRule();
  left_ = right_ = top_ = bottom_ = 0;
  manager_ = nullptr;
  layoutDepth_ = 0;
  layoutSuspended_ = false;
}

}  // namespace s::gui
