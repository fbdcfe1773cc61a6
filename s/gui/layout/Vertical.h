#pragma once

#include <cstdint>

#include "s/gui/ILayoutManager.h"

namespace s::gui::layout {

// Stacks children top to bottom, left and top aligned, without gaps.
class Vertical final : public s::gui::ILayoutManager {
 public:
  // The one shared instance; the manager keeps no state.
  static Vertical& instance();

  const char16_t* className() const override { return u"s_gui_layout_Vertical"; }
  s::base::IObject* newInstance() const override { return &instance(); }
  void layout(s::gui::IContainer* container) override;
  std::int32_t arrangement() const override;

 private:
  Vertical() = default;
};

}  // namespace s::gui::layout
