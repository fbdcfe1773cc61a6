#pragma once

#include "s/base/Owned.h"
#include "s/gui/IComponent.h"

namespace s::gui {

// Hands a new child to its parent, which owns it from then on, and keeps a plain pointer to it
// for the builder that wants to reach it later.
template <class T>
T* addChild(IComponent& parent, s::base::Owned<T> child) {
  T* raw = child.get();
  parent.addChild(child.detach());
  return raw;
}

}  // namespace s::gui
