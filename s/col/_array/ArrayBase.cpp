#include "s/col/_array/ArrayBase.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "s/base/IComparator.h"
#include "s/col/Growth.h"
#include "s/col/_array/Iterator.h"
#include "s/io/ByteCursor.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::col::_array {

ArrayBase::~ArrayBase() { freeStorage(); }

int ArrayBase::compare(const s::base::IComparable* other,
                       const s::base::IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compare(this, other);
  const auto* that = dynamic_cast<const ArrayBase*>(other);
  if (that == nullptr) return IComparable::compare(other, nullptr);
  if (count_ != that->count_) return count_ < that->count_ ? -1 : 1;
  const s::base::IComparator& elements = defaultComparator();
  for (std::uint32_t i = 0; i < count_; ++i) {
    int c = elements.compare(elementAt(i), that->elementAt(i));
    if (c != 0) return c;
  }
  return 0;
}

int ArrayBase::compareIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compareIgnoreCase(this, other);
  return compare(other, nullptr);
}

void ArrayBase::setCount(std::uint32_t n) {
  reserveExact(n);
  count_ = n;
}

std::uint32_t ArrayBase::byteSize(std::uint32_t n) const {
  return static_cast<std::uint32_t>(bytesOf(n == kAll ? count_ : n));
}

void ArrayBase::copyInto(ArrayBase& other, std::uint32_t destinationIndex,
                         std::uint32_t sourceIndex, std::uint32_t count) const {
  if (count == kAll) count = count_ - sourceIndex;
  other.writeAt(storage_, count, sourceIndex, destinationIndex);
}

void ArrayBase::copyFrom(const ArrayBase& other, std::uint32_t sourceIndex,
                         std::uint32_t destinationIndex, std::uint32_t count) {
  if (count == kAll) count = other.count_ - sourceIndex;
  // Copying from itself may reallocate the source: go through a snapshot in that case.
  if (&other == this && destinationIndex + count > capacity_)
    reserveExact(destinationIndex + count);
  writeAt(other.storage_, count, sourceIndex, destinationIndex);
}

void ArrayBase::copyOut(void* destination, std::uint32_t destinationIndex,
                        std::uint32_t sourceIndex, std::uint32_t count) const {
  if (count == kAll) count = count_ - sourceIndex;
  if (count == 0) return;
  std::memmove(static_cast<unsigned char*>(destination) + bytesOf(destinationIndex),
               storage_ + bytesOf(sourceIndex), bytesOf(count));
}

void ArrayBase::writeAt(const void* source, std::uint32_t count, std::uint32_t sourceIndex,
                        std::uint32_t destinationIndex) {
  if (count == 0) return;
  std::uint32_t end = destinationIndex + count;
  if (end > capacity_) reserveExact(end);
  std::memmove(storage_ + bytesOf(destinationIndex),
               static_cast<const unsigned char*>(source) + bytesOf(sourceIndex), bytesOf(count));
  if (end > count_) count_ = end;
}

void ArrayBase::ensureRoom(std::uint32_t needed) {
  if (needed <= capacity_) return;
  if (needed == capacity_ + 1) {
    grow();
  } else {
    reserve(needed);
  }
}

void ArrayBase::append(const void* source, std::uint32_t count, std::uint32_t sourceIndex) {
  if (count == 0) return;
  ensureRoom(count_ + count);
  std::memcpy(storage_ + bytesOf(count_),
              static_cast<const unsigned char*>(source) + bytesOf(sourceIndex), bytesOf(count));
  count_ += count;
}

void ArrayBase::insertFront(const void* source, std::uint32_t count, std::uint32_t sourceIndex) {
  insertAt(0, source, count, sourceIndex);
}

void ArrayBase::insertAt(std::uint32_t index, const void* source, std::uint32_t count,
                         std::uint32_t sourceIndex) {
  if (count == 0) return;
  ensureRoom(count_ + count);
  std::memmove(storage_ + bytesOf(index + count), storage_ + bytesOf(index),
               bytesOf(count_ - index));
  std::memcpy(storage_ + bytesOf(index),
              static_cast<const unsigned char*>(source) + bytesOf(sourceIndex), bytesOf(count));
  count_ += count;
}

void ArrayBase::dropLast(std::uint32_t n) { count_ = n > count_ ? 0 : count_ - n; }

void ArrayBase::dropFirst(std::uint32_t n) { removeRange(0, n); }

void ArrayBase::removeRange(std::uint32_t index, std::uint32_t n) {
  if (n == 0) return;
  std::memmove(storage_ + bytesOf(index), storage_ + bytesOf(index + n),
               bytesOf(count_ - index - n));
  count_ -= n;
}

void ArrayBase::popLast(void* destination, std::uint32_t n, std::uint32_t destinationIndex) {
  takeRange(count_ - n, destination, n, destinationIndex);
}

void ArrayBase::popFirst(void* destination, std::uint32_t n, std::uint32_t destinationIndex) {
  takeRange(0, destination, n, destinationIndex);
}

void ArrayBase::takeRange(std::uint32_t index, void* destination, std::uint32_t n,
                          std::uint32_t destinationIndex) {
  copyOut(destination, destinationIndex, index, n);
  removeRange(index, n);
}

int ArrayBase::compareRaw(std::uint32_t index, const void* data, std::uint32_t dataLength,
                          std::uint32_t dataIndex, std::uint32_t count) const {
  std::uint32_t mine = index >= count_ ? 0 : count_ - index;
  std::uint32_t theirs = dataIndex >= dataLength ? 0 : dataLength - dataIndex;
  if (mine > count) mine = count;
  if (theirs > count) theirs = count;
  std::uint32_t common = mine < theirs ? mine : theirs;
  if (common > 0) {
    int c =
        std::memcmp(storage_ + bytesOf(index),
                    static_cast<const unsigned char*>(data) + bytesOf(dataIndex), bytesOf(common));
    if (c != 0) return c < 0 ? -1 : 1;
  }
  if (mine == theirs) return 0;
  return mine < theirs ? -1 : 1;
}

void ArrayBase::clear() {
  count_ = 0;
  position_ = 0;
}

void ArrayBase::free() {
  clear();
  freeStorage();
}

void ArrayBase::freeStorage() {
  std::free(storage_);
  storage_ = nullptr;
  capacity_ = 0;
  count_ = 0;
  position_ = 0;
}

void ArrayBase::swapStorageWith(ArrayBase& other) {
  std::swap(storage_, other.storage_);
  std::swap(count_, other.count_);
  std::swap(capacity_, other.capacity_);
  std::swap(position_, other.position_);
}

void ArrayBase::swap(std::uint32_t i, std::uint32_t j) {
  unsigned char scratch[8];
  swapWith(i, j, scratch);
}

void ArrayBase::swapWith(std::uint32_t i, std::uint32_t j, void* scratch) {
  if (i == j) return;
  std::size_t size = elementSize();
  std::memcpy(scratch, elementAt(i), size);
  std::memcpy(elementAt(i), elementAt(j), size);
  std::memcpy(elementAt(j), scratch, size);
}

void ArrayBase::reverse() {
  if (count_ < 2) return;
  for (std::uint32_t i = 0, j = count_ - 1; i < j; ++i, --j) swap(i, j);
}

void ArrayBase::reserveExact(std::uint32_t n) {
  if (n <= capacity_) return;
  storage_ = static_cast<unsigned char*>(reallocateOrDie(storage_, bytesOf(n)));
  capacity_ = n;
}

void ArrayBase::reserve(std::uint32_t n) {
  if (n <= capacity_) return;
  reserveExact(grownCapacity(capacity_, n));
}

void ArrayBase::grow() { reserveExact(growthStep(capacity_)); }

ArrayBase::StrBuffer& ArrayBase::toText(StrBuffer& buffer, bool append) const {
  if (!append) buffer.clear();
  buffer.appendText(className());
  buffer.appendText(u" [");
  for (std::uint32_t i = 0; i < count_; ++i) {
    if (i > 0) buffer.appendChar(u' ');
    appendElementText(buffer, elementAt(i));
  }
  buffer.appendChar(u']');
  return buffer;
}

s::base::Owned<ArrayBase::StrBuffer> ArrayBase::toText() const {
  auto buffer = s::thread::obtain<StrBuffer>();
  toText(*buffer, false);
  return buffer;
}

ArrayBase::StrBuffer& ArrayBase::toTagged(StrBuffer& buffer, bool append) const {
  if (!append) buffer.clear();
  buffer.appendChar(u'<');
  buffer.appendText(className());
  buffer.appendText(u" length=\"");
  buffer.appendUInt32(count_);
  buffer.appendText(u"\">");
  toHex(buffer, true);
  buffer.appendText(u"</");
  buffer.appendText(className());
  buffer.appendChar(u'>');
  return buffer;
}

s::base::Owned<ArrayBase::StrBuffer> ArrayBase::toTagged() const {
  auto buffer = s::thread::obtain<StrBuffer>();
  toTagged(*buffer, false);
  return buffer;
}

ArrayBase::StrBuffer& ArrayBase::toHex(StrBuffer& buffer, bool append) const {
  if (!append) buffer.clear();
  for (std::uint32_t i = 0; i < count_; ++i) appendElementHex(buffer, elementAt(i));
  return buffer;
}

s::base::Owned<ArrayBase::StrBuffer> ArrayBase::toHex() const {
  auto buffer = s::thread::obtain<StrBuffer>();
  toHex(*buffer, false);
  return buffer;
}

// The same starting points as a text's iterators, element for unit.
s::base::Owned<Iterator> ArrayBase::iterator() { return Iterator::over(this, 0, -1); }

s::base::Owned<Iterator> ArrayBase::iteratorAtEnd() {
  return Iterator::over(this, count_, static_cast<std::int32_t>(count_));
}

s::base::Owned<Iterator> ArrayBase::iteratorAt(std::uint32_t index) {
  if (index == kAll) index = count_;
  return Iterator::over(this, index, static_cast<std::int32_t>(index) - 1);
}

s::base::Owned<Iterator> ArrayBase::iteratorFromEnd(std::uint32_t n) {
  if (n == kAll) return Iterator::over(this, 0, 0);
  return Iterator::over(this, count_ - n, static_cast<std::int32_t>(count_ - n));
}

bool ArrayBase::read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) {
  return s::io::ByteCursor::read(storage_, byteSize(), position_, destination, count, bytesRead);
}

bool ArrayBase::write(const void* source, std::uint32_t count) {
  std::uint64_t end = std::uint64_t{position_} + count;
  std::uint32_t elements = static_cast<std::uint32_t>((end + elementSize() - 1) >> shift_);
  reserve(elements);
  if (count > 0) std::memcpy(storage_ + position_, source, count);
  position_ = static_cast<std::uint32_t>(end);
  if (elements > count_) count_ = elements;
  return true;
}

void ArrayBase::seekFromEnd(std::uint32_t back) {
  position_ = s::io::ByteCursor::backFrom(byteSize(), back);
}

void ArrayBase::skipBack(std::uint32_t count) {
  position_ = s::io::ByteCursor::backBy(position_, count);
}

}  // namespace s::col::_array
