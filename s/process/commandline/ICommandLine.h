#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::process::commandline {

// The program's arguments, one text each; an argument given with a leading "-" or "/" is kept
// as "-" followed by its text, so the two spellings are one argument.
class ICommandLine : public s::base::IObject, public s::thread::IPoolable {
 public:
  virtual std::uint32_t argumentCount() const = 0;
  // The empty text beyond the last argument.
  virtual const char16_t* argument(std::uint32_t index) const = 0;
};

}  // namespace s::process::commandline
