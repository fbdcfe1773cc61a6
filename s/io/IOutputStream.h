#pragma once

#include <cstdint>

#include "s/thread/IPoolable.h"

namespace s::io {

// Writes bytes at a position that moves forward with each write.
class IOutputStream : public s::thread::IPoolable {
 public:
  virtual bool write(const void* source, std::uint32_t count) = 0;
  virtual std::uint32_t position() const = 0;
  virtual void rewind() = 0;
  virtual void seek(std::uint32_t position) = 0;
};

}  // namespace s::io
