#pragma once

#include <cstdint>

#include "s/gui/ComponentBase.h"
#include "s/gui/SimpleSizePolicy.h"

namespace s::gui {

// The base of components without children (the controls, the spacer): per axis a fixed size,
// a percentage of the parent's inner size, or the default sizes the control computes for
// itself. The plain setters store one value and leave the others alone, so a fixed size wins
// over a percentage.
class LeafComponent : public ComponentBase {
 public:
  std::int32_t minimumWidth() const override { return width_.minimum(); }
  std::int32_t minimumHeight() const override { return height_.minimum(); }
  std::int32_t preferredWidth() const override;
  std::int32_t preferredHeight() const override;

  void setWidthPercentage(std::int32_t percent) { width_.percent = percent; }
  void setHeightPercentage(std::int32_t percent) { height_.percent = percent; }
  void setFixedWidth(std::int32_t width) { width_.fixed = width; }
  void setFixedHeight(std::int32_t height) { height_.fixed = height; }
  // What the control found it needs (its text, its picture).
  void setDefaultSizes(std::int32_t minimumWidth, std::int32_t minimumHeight,
                       std::int32_t preferredWidth, std::int32_t preferredHeight);
  const SimpleSizePolicy& widthPolicy() const { return width_; }
  const SimpleSizePolicy& heightPolicy() const { return height_; }

 protected:
  SimpleSizePolicy& widthPolicyToChange() { return width_; }
  SimpleSizePolicy& heightPolicyToChange() { return height_; }
  // Resets the component part and the size policies.
  void resetLeaf();

 private:
  SimpleSizePolicy width_;
  SimpleSizePolicy height_;
};

}  // namespace s::gui
