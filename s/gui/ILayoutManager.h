#pragma once

#include <cstdint>

#include "s/base/IObject.h"

namespace s::gui {

class IContainer;

// Places a container's children instead of the container's own arrangement. Each manager
// class has one shared instance, which keeps no state of its own.
class ILayoutManager : public s::base::IObject {
 public:
  // Places the children and leaves the content results in the container.
  virtual void layout(IContainer* container) = 0;
  // The arrangement code the manager runs (IContainer::kRow ...).
  virtual std::int32_t arrangement() const = 0;
};

}  // namespace s::gui
