#include "s/gui/win/OwnerLocalizer.h"

#include "s/gui/IComponent.h"

namespace s::gui::win {

s::lang::Localizer* ownerLocalizer(const s::gui::IComponent& component) {
  const auto* owner = dynamic_cast<const ILocalizerOwner*>(component.owningWindow());
  return owner != nullptr ? owner->localizerOfTexts() : nullptr;
}

}  // namespace s::gui::win
