#include "s/gui/layout/Pile.h"

#include "s/gui/IContainer.h"
#include "s/gui/layout/Arrangements.h"

namespace s::gui::layout {

Pile& Pile::instance() {
  static Pile shared;
  return shared;
}

void Pile::layout(s::gui::IContainer* container) {
  if (container != nullptr) Arrangements::pile(*container, 0, 0);
}

std::int32_t Pile::arrangement() const { return s::gui::IContainer::kPile; }

}  // namespace s::gui::layout
