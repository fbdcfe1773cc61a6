#pragma once

namespace s::lang {
class Localizer;
}
namespace s::gui {
class IComponent;
}

namespace s::gui::win {

// What a top-level window offers the controls of its tree: the localizer their language
// entries are looked up in.
class ILocalizerOwner {
 public:
  virtual ~ILocalizerOwner() = default;
  // Null when the window has none.
  virtual s::lang::Localizer* localizerOfTexts() const = 0;
};

// The localizer of the top-level window whose tree holds component; null when the component is
// in no window's tree or the window has no localizer.
s::lang::Localizer* ownerLocalizer(const s::gui::IComponent& component);

}  // namespace s::gui::win
