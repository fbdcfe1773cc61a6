#include "s/gui/events/Enabler.h"

#include "s/gui/IComponent.h"
#include "s/thread/Pool.h"

namespace s::gui::events {

s::base::IObject* Enabler::newInstance() const { return s::thread::takeFromPool<Enabler>(); }

void Enabler::release() { s::thread::giveBackToPool(this); }

void Enabler::apply(s::gui::IComponent* target) { target->enable(true); }

}  // namespace s::gui::events
