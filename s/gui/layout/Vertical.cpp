#include "s/gui/layout/Vertical.h"

#include "s/gui/IContainer.h"
#include "s/gui/layout/Arrangements.h"

namespace s::gui::layout {

Vertical& Vertical::instance() {
  static Vertical shared;
  return shared;
}

void Vertical::layout(s::gui::IContainer* container) {
  if (container != nullptr) Arrangements::column(*container, 0, 0, 0);
}

std::int32_t Vertical::arrangement() const { return s::gui::IContainer::kColumn; }

}  // namespace s::gui::layout
