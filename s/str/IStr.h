#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/io/IInputStream.h"
#include "s/io/IOutputStream.h"

namespace s::str {

// The library's text: growable UTF-16 that can also be read and written as a byte stream.
class IStr : public s::base::IObject, public s::io::IInputStream, public s::io::IOutputStream {
 public:
  // Units in use.
  virtual std::uint32_t length() const = 0;
  // The text, terminated; never null.
  virtual const char16_t* text() const = 0;
  virtual char16_t charAt(std::uint32_t index) const = 0;
};

}  // namespace s::str
