#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/IPoolable.h"

namespace s::gui {
class IComponent;
}

namespace s::gui::events {

// A ready-made listener: when its trigger source fires (any code), it switches every target
// component. Neither the source nor the targets are owned.
class TargetSwitch : public s::base::IObject, public s::thread::IPoolable, public IEventListener {
 public:
  ~TargetSwitch() override;

  void setTriggerSource(s::base::IObject* source) { source_ = source; }
  s::base::IObject* triggerSource() const { return source_; }
  void addTarget(s::gui::IComponent* target);
  std::uint32_t targetCount() const { return targets_.count(); }

  void event(s::base::IObject* source, std::int32_t code) override;

 protected:
  TargetSwitch() = default;
  virtual void apply(s::gui::IComponent* target) = 0;
  void resetSwitch();

 private:
  s::base::IObject* source_ = nullptr;
  s::col::_array::ArrayP targets_;
};

}  // namespace s::gui::events
