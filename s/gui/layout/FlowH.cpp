#include "s/gui/layout/FlowH.h"

#include "s/gui/IContainer.h"
#include "s/gui/layout/Arrangements.h"

namespace s::gui::layout {

FlowH& FlowH::instance() {
  static FlowH shared;
  return shared;
}

void FlowH::layout(s::gui::IContainer* container) {
  if (container != nullptr) Arrangements::flow(*container, 0, 0, 0, 0);
}

std::int32_t FlowH::arrangement() const { return s::gui::IContainer::kFlow; }

}  // namespace s::gui::layout
