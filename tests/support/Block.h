#pragma once

#include <cstdint>

#include "s/gui/LeafComponent.h"

namespace support {

// A plain leaf for layout tests: sizes set by the test, a toolkit panel as its native window,
// and the class name of the test's choosing (a control's name makes it count as one).
class Block final : public s::gui::LeafComponent {
 public:
  // Taken from the pool with the given default minimum and preferred sizes.
  static Block* make(std::int32_t minimumWidth, std::int32_t minimumHeight,
                     std::int32_t preferredWidth, std::int32_t preferredHeight);

  const char16_t* className() const override { return name_; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  void setClassName(const char16_t* name) { name_ = name; }
  bool isEditable() const { return editable_; }
  void setEditable(bool editable) override { editable_ = editable; }

 private:
  const char16_t* name_ = u"support_Block";
  bool editable_ = true;
};

}  // namespace support
