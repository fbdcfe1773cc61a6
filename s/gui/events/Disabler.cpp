#include "s/gui/events/Disabler.h"

#include "s/gui/IComponent.h"
#include "s/thread/Pool.h"

namespace s::gui::events {

s::base::IObject* Disabler::newInstance() const { return s::thread::takeFromPool<Disabler>(); }

void Disabler::release() { s::thread::giveBackToPool(this); }

void Disabler::apply(s::gui::IComponent* target) { target->enable(false); }

}  // namespace s::gui::events
