#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/io/ByteCursor.h"
#include "s/io/IInputStream.h"

namespace s::io {

// An input stream over bytes that someone else owns (a resource, a buffer); the bytes must
// outlive the stream's use of them.
class MemoryInputStream final : public s::base::IObject, public IInputStream {
 public:
  const char16_t* className() const override { return u"s_io_MemoryInputStream"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override { close(); }

  void open(const void* data, std::uint32_t size);
  void close();
  std::uint32_t size() const { return size_; }

  bool read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) override;
  void rewind() override { position_ = 0; }
  std::uint32_t position() const override { return position_; }
  void seekEnd() override { position_ = size_; }
  void seek(std::uint32_t position) override { position_ = position < size_ ? position : size_; }
  void seekFromEnd(std::uint32_t back) override { position_ = ByteCursor::backFrom(size_, back); }
  void skip(std::uint32_t count) override {
    position_ = count < size_ - position_ ? position_ + count : size_;
  }
  void skipBack(std::uint32_t count) override {
    position_ = count > position_ ? 0 : position_ - count;
  }

 private:
  const void* data_ = nullptr;
  std::uint32_t size_ = 0;
  std::uint32_t position_ = 0;
};

}  // namespace s::io
