#include "s/gui/Spacer.h"

#include <utility>

#include "s/gui/IContainer.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

s::base::IObject* Spacer::newInstance() const { return s::thread::takeFromPool<Spacer>(); }

void Spacer::release() { s::thread::giveBackToPool(this); }

void Spacer::reset() {
  resetLeaf();
  orientation_ = kHorizontal;
}

void Spacer::setOrientation(std::int32_t orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  std::swap(widthPolicyToChange(), heightPolicyToChange());
}

void Spacer::setWidthPercentage(std::int32_t percent) {
  widthPolicyToChange().percent = percent;
  widthPolicyToChange().fixed = -1;
}

void Spacer::setHeightPercentage(std::int32_t percent) {
  heightPolicyToChange().percent = percent;
  heightPolicyToChange().fixed = -1;
}

bool Spacer::inParentArranged(std::int32_t arrangement) const {
  const auto* container = dynamic_cast<const s::gui::IContainer*>(parent());
  return container != nullptr && container->arrangement() == arrangement;
}

std::int32_t Spacer::minimumWidth() const {
  if (orientation_ == kVertical && inParentArranged(s::gui::IContainer::kRow)) return 0;
  return LeafComponent::minimumWidth();
}

std::int32_t Spacer::preferredWidth() const {
  if (orientation_ == kVertical && inParentArranged(s::gui::IContainer::kRow)) return 0;
  return LeafComponent::preferredWidth();
}

std::int32_t Spacer::minimumHeight() const {
  if (orientation_ == kHorizontal && inParentArranged(s::gui::IContainer::kColumn)) return 0;
  return LeafComponent::minimumHeight();
}

std::int32_t Spacer::preferredHeight() const {
  if (orientation_ == kHorizontal && inParentArranged(s::gui::IContainer::kColumn)) return 0;
  return LeafComponent::preferredHeight();
}

}  // namespace s::gui::win
