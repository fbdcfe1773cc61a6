#pragma once

#include "s/base/IObject.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer {

// The pool half that drawers and schemes share: new objects and give-backs go through Self's
// own pool.
template <class Self, class Interface>
class Pooled : public Interface {
 public:
  s::base::IObject* newInstance() const override { return s::thread::takeFromPool<Self>(); }
  void release() override { s::thread::giveBackToPool(static_cast<Self*>(this)); }
};

}  // namespace s::gui::drawer
