#include "s/gui/events/UnEditabler.h"

#include "s/gui/IComponent.h"
#include "s/thread/Pool.h"

namespace s::gui::events {

s::base::IObject* UnEditabler::newInstance() const {
  return s::thread::takeFromPool<UnEditabler>();
}

void UnEditabler::release() { s::thread::giveBackToPool(this); }

void UnEditabler::apply(s::gui::IComponent* target) { target->setEditable(false); }

}  // namespace s::gui::events
