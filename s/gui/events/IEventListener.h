#pragma once

#include <cstdint>

namespace s::base {
class IObject;
}

namespace s::gui::events {

// Follows a source of events: the source calls event() with itself and a small code of its
// own; the listener asks the source for any details.
class IEventListener {
 public:
  virtual ~IEventListener() = default;
  virtual void event(s::base::IObject* source, std::int32_t code) = 0;
};

}  // namespace s::gui::events
