#include "s/gui/LeafComponent.h"

namespace s::gui {

std::int32_t LeafComponent::preferredWidth() const {
  return width_.preferred(parent() != nullptr ? parent()->innerWidth() : -1);
}

std::int32_t LeafComponent::preferredHeight() const {
  return height_.preferred(parent() != nullptr ? parent()->innerHeight() : -1);
}

void LeafComponent::setDefaultSizes(std::int32_t minimumWidth, std::int32_t minimumHeight,
                                    std::int32_t preferredWidth, std::int32_t preferredHeight) {
  width_.defaultMinimum = minimumWidth;
  height_.defaultMinimum = minimumHeight;
  width_.defaultPreferred = preferredWidth;
  height_.defaultPreferred = preferredHeight;
}

void LeafComponent::resetLeaf() {
  resetComponent();
  width_ = SimpleSizePolicy();
  height_ = SimpleSizePolicy();
}

}  // namespace s::gui
