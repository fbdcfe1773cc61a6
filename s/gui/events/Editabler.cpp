#include "s/gui/events/Editabler.h"

#include "s/gui/IComponent.h"
#include "s/thread/Pool.h"

namespace s::gui::events {

s::base::IObject* Editabler::newInstance() const { return s::thread::takeFromPool<Editabler>(); }

void Editabler::release() { s::thread::giveBackToPool(this); }

void Editabler::apply(s::gui::IComponent* target) { target->setEditable(true); }

}  // namespace s::gui::events
