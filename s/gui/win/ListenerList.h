#pragma once

#include <cstdint>

#include "s/col/_array/ArrayP.h"
#include "s/gui/events/IEventListener.h"

namespace s::gui::win {

// The listeners of one event of a control, in registration order; not owned.
class ListenerList {
 public:
  void add(s::gui::events::IEventListener* listener) {
    if (listener != nullptr) listeners_.appendPointer(listener);
  }
  // A listener added while firing is called in the same round.
  void fire(s::base::IObject* source, std::int32_t code) const {
    for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
      static_cast<s::gui::events::IEventListener*>(listeners_.pointerAt(i))->event(source, code);
    }
  }
  std::uint32_t count() const { return listeners_.count(); }
  void clear() { listeners_.clear(); }

 private:
  s::col::_array::ArrayP listeners_;
};

}  // namespace s::gui::win
