#pragma once

#include <cstdint>

#include "s/thread/IPoolable.h"

namespace s::io {

// Reads bytes from a position that moves forward with each read.
class IInputStream : public s::thread::IPoolable {
 public:
  // Copies up to count bytes; false when nothing is left to read.
  virtual bool read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) = 0;
  virtual void rewind() = 0;
  virtual std::uint32_t position() const = 0;
  virtual void seekEnd() = 0;
  virtual void seek(std::uint32_t position) = 0;
  virtual void seekFromEnd(std::uint32_t back) = 0;
  virtual void skip(std::uint32_t count) = 0;
  virtual void skipBack(std::uint32_t count) = 0;
};

}  // namespace s::io
