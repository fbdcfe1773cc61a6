#include "s/io/MemoryInputStream.h"

#include "s/thread/Pool.h"

namespace s::io {

s::base::IObject* MemoryInputStream::newInstance() const {
  return s::thread::takeFromPool<MemoryInputStream>();
}

void MemoryInputStream::release() { s::thread::giveBackToPool(this); }

void MemoryInputStream::open(const void* data, std::uint32_t size) {
  data_ = data;
  size_ = data == nullptr ? 0 : size;
  position_ = 0;
}

void MemoryInputStream::close() { open(nullptr, 0); }

bool MemoryInputStream::read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) {
  return ByteCursor::read(data_, size_, position_, destination, count, bytesRead);
}

}  // namespace s::io
