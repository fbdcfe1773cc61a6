#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/io/IInputStream.h"
#include "s/io/IOutputStream.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::col::_array {

class Iterator;

// A growable array of fixed-size elements, handled as bytes; the typed arrays add element
// access, text forms and their pool. Indexes and counts are not validated.
class ArrayBase : public s::base::IObject, public s::io::IInputStream, public s::io::IOutputStream {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;
  // A count meaning "to the end".
  static constexpr std::uint32_t kAll = 0xFFFFFFFFu;

  ~ArrayBase() override;
  ArrayBase(const ArrayBase&) = delete;
  ArrayBase& operator=(const ArrayBase&) = delete;

  // With a comparator, its verdict; otherwise the shorter array first, then element by element.
  int compare(const s::base::IComparable* other,
              const s::base::IComparator* comparator = nullptr) const override;
  int compareIgnoreCase(const s::base::IComparable* other,
                        const s::base::IComparator* comparator = nullptr) const override;

  std::uint32_t elementSize() const { return 1u << shift_; }
  std::uint32_t count() const { return count_; }
  std::uint32_t capacity() const { return capacity_; }
  void setCount(std::uint32_t n);
  // Sets the count to n <= capacity() without reserving: the pools' push and pop.
  void setCountWithinCapacity(std::uint32_t n) { count_ = n; }
  std::uint32_t byteSize(std::uint32_t n = kAll) const;
  void* data() { return storage_; }
  const void* data() const { return storage_; }
  // Address of element i.
  void* elementAt(std::uint32_t index) { return storage_ + (std::uint64_t{index} << shift_); }
  const void* elementAt(std::uint32_t index) const {
    return storage_ + (std::uint64_t{index} << shift_);
  }

  void copyInto(ArrayBase& other, std::uint32_t destinationIndex, std::uint32_t sourceIndex,
                std::uint32_t count) const;
  void copyFrom(const ArrayBase& other, std::uint32_t sourceIndex, std::uint32_t destinationIndex,
                std::uint32_t count);
  void copyOut(void* destination, std::uint32_t destinationIndex, std::uint32_t sourceIndex,
               std::uint32_t count) const;
  // Copies count elements of source (from sourceIndex) to destinationIndex, raising the count
  // when the write ends beyond it.
  void writeAt(const void* source, std::uint32_t count, std::uint32_t sourceIndex,
               std::uint32_t destinationIndex);
  void append(const void* source, std::uint32_t count, std::uint32_t sourceIndex = 0);
  void insertFront(const void* source, std::uint32_t count, std::uint32_t sourceIndex = 0);
  void insertAt(std::uint32_t index, const void* source, std::uint32_t count,
                std::uint32_t sourceIndex = 0);
  void dropLast(std::uint32_t n);
  void dropFirst(std::uint32_t n);
  void removeRange(std::uint32_t index, std::uint32_t n);
  void popLast(void* destination, std::uint32_t n, std::uint32_t destinationIndex = 0);
  void popFirst(void* destination, std::uint32_t n, std::uint32_t destinationIndex = 0);
  void takeRange(std::uint32_t index, void* destination, std::uint32_t n,
                 std::uint32_t destinationIndex = 0);
  // Byte comparison of count elements at index with data (dataLength elements) from dataIndex:
  // -1, 0 or 1, the shorter stretch first on a tie.
  int compareRaw(std::uint32_t index, const void* data, std::uint32_t dataLength,
                 std::uint32_t dataIndex, std::uint32_t count) const;
  // Count and stream position to 0; storage kept.
  virtual void clear();
  // Releases owned elements (pointer arrays with a releaser), then frees the storage.
  virtual void free();
  void swap(std::uint32_t i, std::uint32_t j);
  void swapWith(std::uint32_t i, std::uint32_t j, void* scratch);
  void reverse();
  void reserveExact(std::uint32_t n);
  void reserve(std::uint32_t n);
  void grow();

  std::uint32_t sampleCount() const { return 5; }
  // Five sample elements for self-tests.
  virtual const void* samples() const = 0;
  // Decimal text of one element.
  virtual void appendElementText(StrBuffer& buffer, const void* element) const = 0;
  // Fixed-width lower-case hexadecimal of one element.
  virtual void appendElementHex(StrBuffer& buffer, const void* element) const = 0;
  virtual const s::base::IComparator& defaultComparator() const = 0;

  // "ClassName [e0 e1 ...]" into buffer (emptied first unless append), or into a new buffer.
  StrBuffer& toText(StrBuffer& buffer, bool append) const;
  s::base::Owned<StrBuffer> toText() const;
  // "<ClassName length="n">hex...</ClassName>".
  StrBuffer& toTagged(StrBuffer& buffer, bool append) const;
  s::base::Owned<StrBuffer> toTagged() const;
  StrBuffer& toHex(StrBuffer& buffer, bool append) const;
  s::base::Owned<StrBuffer> toHex() const;

  // Iterators: before the first element, after the last, at an index, n from the end.
  s::base::Owned<Iterator> iterator();
  s::base::Owned<Iterator> iteratorAtEnd();
  s::base::Owned<Iterator> iteratorAt(std::uint32_t index);
  s::base::Owned<Iterator> iteratorFromEnd(std::uint32_t n);

  // Byte-stream faces over the storage.
  bool read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) override;
  bool write(const void* source, std::uint32_t count) override;
  void rewind() override { position_ = 0; }
  std::uint32_t position() const override { return position_; }
  void seekEnd() override { position_ = byteSize(); }
  void seek(std::uint32_t position) override { position_ = position; }
  void seekFromEnd(std::uint32_t back) override;
  void skip(std::uint32_t count) override { position_ += count; }
  void skipBack(std::uint32_t count) override;

 protected:
  explicit ArrayBase(std::uint8_t elementSizeShift) : shift_(elementSizeShift) {}
  // Frees the storage without touching elements.
  void freeStorage();
  // Exchanges storage, count and capacity with another array of the same element size.
  void swapStorageWith(ArrayBase& other);

 private:
  void ensureRoom(std::uint32_t needed);
  std::uint64_t bytesOf(std::uint32_t n) const { return std::uint64_t{n} << shift_; }

  std::uint8_t shift_;
  unsigned char* storage_ = nullptr;
  std::uint32_t count_ = 0;
  std::uint32_t capacity_ = 0;
  std::uint32_t position_ = 0;
};

}  // namespace s::col::_array
