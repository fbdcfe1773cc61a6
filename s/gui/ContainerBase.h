#pragma once

#include <cstdint>

#include "s/col/_array/ArrayP.h"
#include "s/gui/ComponentBase.h"
#include "s/gui/IContainer.h"
#include "s/gui/SizeRule.h"

namespace s::gui {

// What the box and the top-level window share: owned children in layout order, margins, the
// size rules read from the last layout's content results, and relayout with its re-entry
// limit. Without an attached manager a container runs arrange(), a plain column unless
// overridden.
class ContainerBase : public ComponentBase, public IContainer {
 public:
  // A relayout asked for while this many of the same container run is ignored.
  static constexpr std::int32_t kLayoutDepthLimit = 2;

  ContainerBase();
  ~ContainerBase() override;

  std::int32_t innerWidth() const override;
  void setInnerWidth(std::int32_t width) override;
  std::int32_t innerHeight() const override;
  void setInnerHeight(std::int32_t height) override;

  std::int32_t minimumWidth() const override;
  std::int32_t minimumHeight() const override;
  std::int32_t preferredWidth() const override;
  std::int32_t preferredHeight() const override;
  std::int32_t minimumInnerWidth() const override;
  std::int32_t minimumInnerHeight() const override;
  std::int32_t preferredInnerWidth() const override;
  std::int32_t preferredInnerHeight() const override;

  // Appends child (it must have no parent), has its native window created on this container's
  // thread when this one has a native window, gives it the margins as offset and relayouts.
  void addChild(IComponent* child) override;
  void removeChild(IComponent* child, bool destroySubtree) override;
  void removeAllChildren() override;

  std::uint32_t childCount() const override { return children_.count(); }
  IComponent* childAt(std::uint32_t index) const override {
    return index < children_.count() ? static_cast<IComponent*>(children_.pointerAt(index))
                                     : nullptr;
  }
  const s::col::_array::ArrayP* children() const override { return &children_; }

  void relayout() override;
  ILayoutManager* layoutManager() const override { return manager_; }
  // The manager is shared, not owned; null goes back to the container's own arrangement.
  void setLayoutManager(ILayoutManager* manager) override { manager_ = manager; }

  std::int32_t arrangement() const override;
  std::int32_t leftMargin() const override { return left_; }
  std::int32_t rightMargin() const override { return right_; }
  std::int32_t topMargin() const override { return top_; }
  std::int32_t bottomMargin() const override { return bottom_; }
  // Gives every child the new offset (left, top) and relayouts.
  void setMargins(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom);

  std::int32_t contentMinimumWidth() const override { return widthRule_.contentMinimum; }
  std::int32_t contentMinimumHeight() const override { return heightRule_.contentMinimum; }
  std::int32_t contentPreferredWidth() const override { return widthRule_.contentPreferred; }
  std::int32_t contentPreferredHeight() const override { return heightRule_.contentPreferred; }
  void setContentResults(std::int32_t minimumWidth, std::int32_t minimumHeight,
                         std::int32_t preferredWidth, std::int32_t preferredHeight) override;
  bool isLayoutSuspended() const override { return layoutSuspended_; }
  void suspendLayout(bool suspended) override { layoutSuspended_ = suspended; }

  // Size rules. A percentage or fixed size changed on a container with a native window
  // relayouts it and, with relayoutParent, its parent.
  void setWidthPercentage(std::int32_t percent, bool relayoutParent);
  void setHeightPercentage(std::int32_t percent, bool relayoutParent);
  void setFixedWidth(std::int32_t width, bool relayoutParent);
  void setFixedHeight(std::int32_t height, bool relayoutParent);
  void setExplicitMinimumWidth(std::int32_t width) { widthRule_.explicitMinimum = width; }
  void setIgnoreWidth(bool ignore) { widthRule_.ignore = ignore; }
  void setIgnoreHeight(bool ignore) { heightRule_.ignore = ignore; }
  const SizeRule& widthRule() const { return widthRule_; }
  const SizeRule& heightRule() const { return heightRule_; }

  // Takes 32770: runs the passed component's set-parent operation with this container.
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;

 protected:
  // The container's own arrangement, run by relayout when no manager is attached.
  virtual void arrange();
  virtual std::int32_t ownArrangement() const { return kColumn; }
  // At the end of every relayout that ran.
  virtual void layoutDone() {}
  void resized() override { relayout(); }
  // Removes every child, then resets the component part and the container's fields.
  void resetContainer();

 private:
  void sizeRuleChanged(bool relayoutParent);
  void releaseChild(std::uint32_t index, bool destroySubtree);

  s::col::_array::ArrayP children_;
  SizeRule widthRule_;
  SizeRule heightRule_;
  std::int32_t left_ = 0;
  std::int32_t right_ = 0;
  std::int32_t top_ = 0;
  std::int32_t bottom_ = 0;
  ILayoutManager* manager_ = nullptr;
  std::int32_t layoutDepth_ = 0;
  bool layoutSuspended_ = false;
};

}  // namespace s::gui
