#pragma once

#include <cstdint>

#include "s/gui/ILayoutManager.h"

namespace s::gui::layout {

// Piles every child over the whole inner area at the top-left corner.
class Pile final : public s::gui::ILayoutManager {
 public:
  // The one shared instance; the manager keeps no state.
  static Pile& instance();

  const char16_t* className() const override { return u"s_gui_layout_Pile"; }
  s::base::IObject* newInstance() const override { return &instance(); }
  void layout(s::gui::IContainer* container) override;
  std::int32_t arrangement() const override;

 private:
  Pile() = default;
};

}  // namespace s::gui::layout
