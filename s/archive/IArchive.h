#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/io/IOutputStream.h"

namespace s::archive {

// A read-only collection of numbered entries kept in one file.
class IArchive : public s::base::IObject {
 public:
  // Opens the archive on the file; false leaves it closed.
  virtual bool open(const char16_t* path) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual std::uint32_t entryCount() const = 0;
  // Writes the bytes of entry index to the stream; false when they cannot all be written.
  virtual bool read(std::uint32_t index, s::io::IOutputStream& stream) const = 0;
};

}  // namespace s::archive
