#pragma once

#include "s/gui/drawer/Colour.h"

namespace s::gui::drawer {

// One title of a menu bar as the menu drawer sees it.
class IMenuCaption {
 public:
  virtual ~IMenuCaption() = default;
  virtual const char16_t* caption() const = 0;
  // The title's own look, for example a disabled one, applied to the colour chosen for it.
  virtual Colour adjustColour(Colour colour) const = 0;
};

}  // namespace s::gui::drawer
