#pragma once

#include <cstdint>

#include "s/base/IObject.h"

namespace s::archive::dll {

// One resource of a module in one language. Type and name are each either a number or a text.
class IEntry : public s::base::IObject {
 public:
  virtual bool isTypeNumeric() const = 0;
  // The numeric type; 0 when the type is a text.
  virtual std::uint32_t typeId() const = 0;
  // The type text; the empty text when the type is numeric.
  virtual const char16_t* typeName() const = 0;
  virtual bool isNameNumeric() const = 0;
  virtual std::uint32_t nameId() const = 0;
  virtual const char16_t* nameText() const = 0;
  virtual std::uint32_t size() const = 0;
  // Primary language: the low 10 bits of the language id.
  virtual std::uint32_t language() const = 0;
  virtual std::uint32_t sublanguage() const = 0;
};

}  // namespace s::archive::dll
