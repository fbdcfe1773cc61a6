#include "s/gui/win/OwnerLocalizer.h"

#include "s/gui/IComponent.h"
#include "s/gui/win/Window.h"

namespace s::gui::win {

s::lang::Localizer* ownerLocalizer(const s::gui::IComponent& component) {
  const auto* window = dynamic_cast<const Window*>(component.owningWindow());
  return window != nullptr ? window->localizer() : nullptr;
}

}  // namespace s::gui::win
