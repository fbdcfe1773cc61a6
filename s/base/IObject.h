#pragma once

#include "s/base/IComparable.h"

namespace s::base {

// The root of every library class.
class IObject : public IComparable {
 public:
  // A constant text: the namespace path and class name joined by underscores.
  virtual const char16_t* className() const = 0;
  // A fresh object of the same class, as a rule taken from the class's pool.
  virtual IObject* newInstance() const = 0;
};

}  // namespace s::base
