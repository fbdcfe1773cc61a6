#include "s/gui/events/TargetSwitch.h"

#include "s/gui/IComponent.h"

namespace s::gui::events {

TargetSwitch::~TargetSwitch() = default;

void TargetSwitch::addTarget(s::gui::IComponent* target) {
  if (target != nullptr) targets_.appendPointer(target);
}

void TargetSwitch::event(s::base::IObject* source, std::int32_t) {
  if (source == nullptr || source != source_) return;
  for (std::uint32_t i = 0; i < targets_.count(); ++i) {
    apply(static_cast<s::gui::IComponent*>(targets_.pointerAt(i)));
  }
}

void TargetSwitch::resetSwitch() {
  source_ = nullptr;
  targets_.free();
}

}  // namespace s::gui::events
