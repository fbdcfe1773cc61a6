#pragma once

namespace s::lang {
class Localizer;
}
namespace s::gui {
class IComponent;
}

namespace s::gui::win {

// The localizer of the top-level window whose tree holds component; null when the component is
// in no window's tree or the window has no localizer.
s::lang::Localizer* ownerLocalizer(const s::gui::IComponent& component);

}  // namespace s::gui::win
