#pragma once

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer {

// A drawer paints one kind of control through a surface. It holds appearance only (colours,
// flags, fonts); the control passes its state with every paint. Every paint draws nothing when
// the rectangle is empty (left >= right or top >= bottom).
class IDrawer : public s::base::IObject, public s::thread::IPoolable {};

}  // namespace s::gui::drawer
