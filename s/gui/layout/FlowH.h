#pragma once

#include <cstdint>

#include "s/gui/ILayoutManager.h"

namespace s::gui::layout {

// Places children in wrapping lines, left to right, without alignment or gaps.
class FlowH final : public s::gui::ILayoutManager {
 public:
  // The one shared instance; the manager keeps no state.
  static FlowH& instance();

  const char16_t* className() const override { return u"s_gui_layout_FlowH"; }
  s::base::IObject* newInstance() const override { return &instance(); }
  void layout(s::gui::IContainer* container) override;
  std::int32_t arrangement() const override;

 private:
  FlowH() = default;
};

}  // namespace s::gui::layout
