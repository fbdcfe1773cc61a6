#include "s/str/strbuffer/StrBuffer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "s/base/IComparator.h"
#include "s/col/Growth.h"
#include "s/io/ByteCursor.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/CaseMapping.h"
#include "s/str/strbuffer/Iterator.h"
#include "s/str/strbuffer/Utf8.h"
#include "s/thread/Pool.h"

namespace s::str::strbuffer {

using s::col::_array::ArrayU08;
using s::col::_array::ArrayU32;
using s::str::strarray::StrArray;

namespace {

const char16_t kEmptyText[1] = {0};
const char16_t kDefaultBlanks[] = {u' ', u'\n', u'\x3000', u'\t', u'\r'};
constexpr std::uint32_t kDefaultBlankCount = 5;
constexpr std::uint32_t kNumberRoom = 256;

bool isBlankForNumbers(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

char16_t hexDigit(unsigned value) {
  return static_cast<char16_t>(value < 10 ? u'0' + value : u'a' + (value - 10));
}

template <bool kIgnoreCase>
char16_t fold(char16_t unit) {
  if constexpr (kIgnoreCase) {
    return foldAscii(unit);
  } else {
    return unit;
  }
}

// Compares n units of a and b (stopping at a terminator in b), as the bounded wide comparison
// does; the difference of the first unequal units.
template <bool kIgnoreCase>
int compareUnits(const char16_t* a, const char16_t* b, std::uint32_t n, bool stopAtTerminator) {
  for (std::uint32_t i = 0; i < n; ++i) {
    int x = fold<kIgnoreCase>(a[i]);
    int y = fold<kIgnoreCase>(b[i]);
    if (x != y) return x - y;
    if (stopAtTerminator && x == 0) return 0;
  }
  return 0;
}

}  // namespace

std::uint32_t textLength(const char16_t* text) {
  if (text == nullptr) return 0;
  return static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text));
}

StrBuffer::~StrBuffer() { std::free(storage_); }

// ---- object operations ----

int StrBuffer::compare(const s::base::IComparable* other,
                       const s::base::IComparator* /*comparator*/) const {
  const auto* that = dynamic_cast<const StrBuffer*>(other);
  if (that == nullptr) return IComparable::compare(other, nullptr);
  std::uint32_t common = length_ < that->length_ ? length_ : that->length_;
  if (common > 0) {
    int c = std::memcmp(storage_, that->storage_, 2u * common);
    if (c != 0) return c < 0 ? -1 : 1;
  }
  if (length_ == that->length_) return 0;
  return length_ < that->length_ ? -1 : 1;
}

int StrBuffer::compareIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* /*comparator*/) const {
  const auto* that = dynamic_cast<const StrBuffer*>(other);
  if (that == nullptr) return IComparable::compare(other, nullptr);
  std::uint32_t common = length_ < that->length_ ? length_ : that->length_;
  int c = compareUnits<true>(storage_, that->storage_, common, false);
  if (c != 0) return c;
  if (length_ == that->length_) return 0;
  return length_ < that->length_ ? -1 : 1;
}

bool StrBuffer::equals(const s::base::IComparable* other,
                       const s::base::IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compare(this, other) == 0;
  const auto* that = dynamic_cast<const StrBuffer*>(other);
  if (that == nullptr || that->length_ != length_) return false;
  return length_ == 0 || std::memcmp(storage_, that->storage_, 2u * length_) == 0;
}

bool StrBuffer::equalsIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* comparator) const {
  if (comparator != nullptr) return comparator->compareIgnoreCase(this, other) == 0;
  const auto* that = dynamic_cast<const StrBuffer*>(other);
  if (that == nullptr || that->length_ != length_) return false;
  return compareUnits<true>(storage_, that->storage_, length_, false) == 0;
}

int StrBuffer::hash() const {
  std::uint32_t h = 0;
  for (std::uint32_t i = 0; i < length_; ++i) {
    h <<= 1;
    if (h & 0x80000000u) h |= 1u;
    h ^= storage_[i];
  }
  return static_cast<int>(h);
}

int StrBuffer::hashIgnoreCase() const {
  std::uint32_t h = 0;
  for (std::uint32_t i = 0; i < length_; ++i) {
    h <<= 1;
    if (h & 0x80000000u) h |= 1u;
    h ^= foldAscii(storage_[i]);
  }
  return static_cast<int>(h);
}

s::base::IObject* StrBuffer::newInstance() const { return s::thread::takeFromPool<StrBuffer>(); }

void StrBuffer::release() { s::thread::giveBackToPool(this); }

void StrBuffer::reset() {
  if (storage_ != nullptr) std::free(storage_);
  storage_ = nullptr;
  length_ = 0;
  capacity_ = 0;
  position_ = 0;
}

// ---- storage ----

void StrBuffer::terminate() const {
  if (length_ != 0 && storage_[length_] != 0) storage_[length_] = 0;
}

void StrBuffer::reallocate(std::uint32_t newCapacity) {
  // One spare unit for the terminator. Grown into a fresh block and copied rather than
  // realloc'd: a block realloc'd in place at the top of the C heap goes back to the system
  // when the buffer frees it on release, and is faulted in again by the next buffer that grows.
  auto* fresh =
      static_cast<char16_t*>(s::col::allocateOrDie(2ull * (std::uint64_t{newCapacity} + 1)));
  if (storage_ != nullptr) {
    std::memcpy(fresh, storage_, 2ull * (std::uint64_t{std::min(capacity_, newCapacity)} + 1));
    std::free(storage_);
  }
  storage_ = fresh;
  capacity_ = newCapacity;
}

void StrBuffer::reserveExact(std::uint32_t n) {
  if (capacity_ < n) reallocate(n);
}

void StrBuffer::grow() {
  std::uint32_t next = s::col::growthStep(capacity_);
  if (next > capacity_) reallocate(next);
}

void StrBuffer::reserve(std::uint32_t n) {
  if (capacity_ < n) reallocate(s::col::grownCapacity(capacity_, n));
}

void StrBuffer::ensureRoom(std::uint32_t needed) {
  if (capacity_ < needed) reallocate(s::col::grownCapacity(capacity_, needed));
}

void StrBuffer::clear() {
  length_ = 0;
  position_ = 0;
}

const char16_t* StrBuffer::text() const {
  if (length_ == 0) return kEmptyText;
  storage_[length_] = 0;
  return storage_;
}

// ---- characters and case ----

std::uint32_t StrBuffer::reverse() {
  std::uint32_t swaps = 0;
  if (length_ < 2) return 0;
  for (std::uint32_t i = 0, j = length_ - 1; i < j; ++i, --j, ++swaps) {
    char16_t t = storage_[i];
    storage_[i] = storage_[j];
    storage_[j] = t;
  }
  return swaps;
}

void StrBuffer::toLower() {
  for (std::uint32_t i = 0; i < length_; ++i) storage_[i] = CaseMapping::toLower(storage_[i]);
}

void StrBuffer::toUpper() {
  for (std::uint32_t i = 0; i < length_; ++i) storage_[i] = CaseMapping::toUpper(storage_[i]);
}

void StrBuffer::capitalize() {
  toLower();
  if (length_ > 0 && storage_[0] >= u'a' && storage_[0] <= u'z') {
    storage_[0] = static_cast<char16_t>(storage_[0] - 32);
  }
}

char16_t StrBuffer::charAtLower(std::uint32_t index) const { return foldAscii(storage_[index]); }

char16_t StrBuffer::charAtUpper(std::uint32_t index) const {
  char16_t unit = storage_[index];
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
}

// ---- searches ----

bool StrBuffer::indexOf(char16_t unit, std::uint32_t* position, std::uint32_t start) const {
  for (std::uint32_t i = start; i < length_; ++i) {
    if (storage_[i] == unit) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::indexOfIgnoreCase(char16_t unit, std::uint32_t* position,
                                  std::uint32_t start) const {
  char16_t wanted = foldAscii(unit);
  for (std::uint32_t i = start; i < length_; ++i) {
    if (foldAscii(storage_[i]) == wanted) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::inSet(char16_t unit, const char16_t* set, std::uint32_t setSize) const {
  for (std::uint32_t k = 0; k < setSize; ++k) {
    if (set[k] == unit) return true;
  }
  return false;
}

bool StrBuffer::indexOfAny(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                           std::uint32_t start) const {
  for (std::uint32_t i = start; i < length_; ++i) {
    if (inSet(storage_[i], set, setSize)) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::indexOfAnyIgnoreCase(const char16_t* set, std::uint32_t setSize,
                                     std::uint32_t* position, std::uint32_t start) const {
  for (std::uint32_t i = start; i < length_; ++i) {
    char16_t unit = foldAscii(storage_[i]);
    for (std::uint32_t k = 0; k < setSize; ++k) {
      if (foldAscii(set[k]) == unit) {
        *position = i;
        return true;
      }
    }
  }
  return false;
}

namespace {

// The end of a backward search: min(before, length), where kFromEnd means the whole text and a
// negative `before` (as a signed number) finds nothing.
bool backwardLimit(std::uint32_t before, std::uint32_t length, std::uint32_t* limit) {
  if (before == StrBuffer::kFromEnd) {
    *limit = length;
  } else if (static_cast<std::int32_t>(before) < 0) {
    return false;
  } else {
    *limit = before < length ? before : length;
  }
  return *limit > 0;
}

}  // namespace

bool StrBuffer::lastIndexOf(char16_t unit, std::uint32_t* position, std::uint32_t before) const {
  std::uint32_t limit = 0;
  if (!backwardLimit(before, length_, &limit)) return false;
  for (std::uint32_t i = limit; i-- > 0;) {
    if (storage_[i] == unit) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::lastIndexOfIgnoreCase(char16_t unit, std::uint32_t* position,
                                      std::uint32_t before) const {
  std::uint32_t limit = 0;
  if (!backwardLimit(before, length_, &limit)) return false;
  char16_t wanted = foldAscii(unit);
  for (std::uint32_t i = limit; i-- > 0;) {
    if (foldAscii(storage_[i]) == wanted) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::lastIndexOfAny(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                               std::uint32_t before) const {
  std::uint32_t limit = 0;
  if (!backwardLimit(before, length_, &limit)) return false;
  for (std::uint32_t i = limit; i-- > 0;) {
    if (inSet(storage_[i], set, setSize)) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::lastIndexOfAnyIgnoreCase(const char16_t* set, std::uint32_t setSize,
                                         std::uint32_t* position, std::uint32_t before) const {
  std::uint32_t limit = 0;
  if (!backwardLimit(before, length_, &limit)) return false;
  for (std::uint32_t i = limit; i-- > 0;) {
    char16_t unit = foldAscii(storage_[i]);
    for (std::uint32_t k = 0; k < setSize; ++k) {
      if (foldAscii(set[k]) == unit) {
        *position = i;
        return true;
      }
    }
  }
  return false;
}

namespace {

// The first unit in [p, end) equal to `unit`, or, with kCaseBit, equal to it once bit 5 is set;
// null if none. Four units per step through a 64-bit word (a lane is zero exactly where it
// matched), never reading past `end`.
template <bool kCaseBit>
const char16_t* findUnitImpl(const char16_t* p, const char16_t* end, char16_t unit) {
  constexpr std::uint64_t kOnes = 0x0001000100010001ull;
  constexpr std::uint64_t kHighs = 0x8000800080008000ull;
  constexpr char16_t kBits = kCaseBit ? 0x20 : 0;
  const std::uint64_t pattern = kOnes * unit;
  for (; end - p >= 4; p += 4) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t x = (word | kOnes * kBits) ^ pattern;
    if (((x - kOnes) & ~x & kHighs) != 0) break;
  }
  for (; p < end; ++p) {
    if ((*p | kBits) == unit) return p;
  }
  return nullptr;
}

const char16_t* findUnit(const char16_t* p, const char16_t* end, char16_t unit) {
  return findUnitImpl<false>(p, end, unit);
}

// The first unit that folds to `folded` (a folded unit). Setting bit 5 maps exactly the two
// cases of a letter onto the lower one; any other unit folds only to itself.
const char16_t* findFoldedUnit(const char16_t* p, const char16_t* end, char16_t folded) {
  if (folded < u'a' || folded > u'z') return findUnitImpl<false>(p, end, folded);
  return findUnitImpl<true>(p, end, folded);
}

}  // namespace

template <bool kIgnoreCase>
bool StrBuffer::findImpl(const char16_t* text, std::uint32_t* position, std::uint32_t start) const {
  if (length_ == 0) return false;
  const std::uint32_t n = textLength(text);
  if (n == 0 || start >= length_ || n > length_ - start) return false;
  const char16_t first = fold<kIgnoreCase>(text[0]);
  const char16_t* const units = storage_;
  const char16_t* const last = units + (length_ - n);
  for (const char16_t* p = units + start; p <= last; ++p) {
    p = kIgnoreCase ? findFoldedUnit(p, last + 1, first) : findUnit(p, last + 1, first);
    if (p == nullptr) return false;
    bool same;
    if constexpr (kIgnoreCase) {
      same = compareUnits<true>(p + 1, text + 1, n - 1, false) == 0;
    } else {
      same = std::memcmp(p + 1, text + 1, 2u * (n - 1)) == 0;
    }
    if (same) {
      *position = static_cast<std::uint32_t>(p - units);
      return true;
    }
  }
  return false;
}

bool StrBuffer::find(const char16_t* text, std::uint32_t* position, std::uint32_t start) const {
  return findImpl<false>(text, position, start);
}

bool StrBuffer::findIgnoreCase(const char16_t* text, std::uint32_t* position,
                               std::uint32_t start) const {
  return findImpl<true>(text, position, start);
}

template <bool kIgnoreCase>
bool StrBuffer::findLastImpl(const char16_t* text, std::uint32_t* position,
                             std::uint32_t before) const {
  std::uint32_t limit = 0;
  if (!backwardLimit(before, length_, &limit)) return false;
  std::uint32_t n = textLength(text);
  if (n == 0 || n > limit) return false;
  const char16_t first = fold<kIgnoreCase>(text[0]);
  for (std::uint32_t i = limit - n + 1; i-- > 0;) {
    if (fold<kIgnoreCase>(storage_[i]) != first) continue;
    if (compareUnits<kIgnoreCase>(storage_ + i + 1, text + 1, n - 1, false) == 0) {
      *position = i;
      return true;
    }
  }
  return false;
}

bool StrBuffer::findLast(const char16_t* text, std::uint32_t* position,
                         std::uint32_t before) const {
  return findLastImpl<false>(text, position, before);
}

bool StrBuffer::findLastIgnoreCase(const char16_t* text, std::uint32_t* position,
                                   std::uint32_t before) const {
  return findLastImpl<true>(text, position, before);
}

// ---- region tests ----

namespace {

template <bool kIgnoreCase>
bool regionEquals(const char16_t* units, const char16_t* text, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) {
    // A terminator in text ends it: what follows is not text.
    if (text[i] == 0) return false;
    if (fold<kIgnoreCase>(units[i]) != fold<kIgnoreCase>(text[i])) return false;
  }
  return true;
}

}  // namespace

template <bool kIgnoreCase>
bool StrBuffer::regionMatchesImpl(std::uint32_t index, const char16_t* text,
                                  std::uint32_t textIndex, std::uint32_t count) const {
  if (count == kAll) {
    count = textLength(text + textIndex);
    if (std::uint64_t{index} + count != length_) return false;
  } else if (std::uint64_t{index} + count > length_) {
    return false;
  }
  return regionEquals<kIgnoreCase>(storage_ + index, text + textIndex, count);
}

bool StrBuffer::regionMatches(std::uint32_t index, const char16_t* text, std::uint32_t textIndex,
                              std::uint32_t count) const {
  return regionMatchesImpl<false>(index, text, textIndex, count);
}

bool StrBuffer::regionMatchesIgnoreCase(std::uint32_t index, const char16_t* text,
                                        std::uint32_t textIndex, std::uint32_t count) const {
  return regionMatchesImpl<true>(index, text, textIndex, count);
}

template <bool kIgnoreCase>
bool StrBuffer::affixMatches(const char16_t* text, std::uint32_t count, bool atEnd) const {
  if (count == kAll) count = textLength(text);
  if (count > length_) return false;
  return regionMatchesImpl<kIgnoreCase>(atEnd ? length_ - count : 0, text, 0, count);
}

bool StrBuffer::startsWith(const char16_t* text, std::uint32_t count) const {
  return affixMatches<false>(text, count, false);
}

bool StrBuffer::startsWithIgnoreCase(const char16_t* text, std::uint32_t count) const {
  return affixMatches<true>(text, count, false);
}

bool StrBuffer::endsWith(const char16_t* text, std::uint32_t count) const {
  return affixMatches<false>(text, count, true);
}

bool StrBuffer::endsWithIgnoreCase(const char16_t* text, std::uint32_t count) const {
  return affixMatches<true>(text, count, true);
}

int StrBuffer::compareAt(std::uint32_t index, const char16_t* text, std::uint32_t textIndex,
                         std::uint32_t count) const {
  if (index >= length_) return -1;
  terminate();
  std::uint32_t n = count == kAll ? length_ - index + 1 : count;
  return compareUnits<false>(storage_ + index, text + textIndex, n, true);
}

int StrBuffer::compareAtIgnoreCase(std::uint32_t index, const char16_t* text,
                                   std::uint32_t textIndex, std::uint32_t count) const {
  if (index >= length_) return -1;
  terminate();
  std::uint32_t n = count == kAll ? length_ - index + 1 : count;
  return compareUnits<true>(storage_ + index, text + textIndex, n, true);
}

// ---- trimming ----

void StrBuffer::trimRight() { trimRightKeep(kDefaultBlanks, 0, kDefaultBlankCount); }

void StrBuffer::trimRightKeep(std::uint32_t minimumLength) {
  trimRightKeep(kDefaultBlanks, minimumLength, kDefaultBlankCount);
}

void StrBuffer::trimRight(const char16_t* set, std::uint32_t setSize) {
  trimRightKeep(set, 0, setSize);
}

void StrBuffer::trimRightKeep(const char16_t* set, std::uint32_t minimumLength,
                              std::uint32_t setSize) {
  if (setSize == kAll) setSize = textLength(set);
  while (length_ > minimumLength && inSet(storage_[length_ - 1], set, setSize)) --length_;
}

void StrBuffer::trimLeft() { trimLeft(kDefaultBlanks, kDefaultBlankCount); }

void StrBuffer::trimLeft(const char16_t* set, std::uint32_t setSize) {
  if (setSize == kAll) setSize = textLength(set);
  std::uint32_t skip = 0;
  while (skip < length_ && inSet(storage_[skip], set, setSize)) ++skip;
  if (skip == 0) return;
  std::memmove(storage_, storage_ + skip, 2u * (length_ - skip));
  length_ -= skip;
}

// ---- appending and setting ----

void StrBuffer::insertFront(const char16_t* units, std::uint32_t count) {
  if (count == 0) return;
  ensureRoom(length_ + count);
  std::memmove(storage_ + count, storage_, 2u * length_);
  std::memcpy(storage_, units, 2u * count);
  length_ += count;
}

std::uint32_t StrBuffer::appendNarrow(const char* bytes, std::uint32_t count) {
  ensureRoom(length_ + count);
  for (std::uint32_t i = 0; i < count; ++i) {
    storage_[length_ + i] =
        static_cast<char16_t>(static_cast<std::int16_t>(static_cast<signed char>(bytes[i])));
  }
  length_ += count;
  return count;
}

StrBuffer& StrBuffer::appendNarrowText(const char* text) {
  appendNarrow(text, static_cast<std::uint32_t>(std::strlen(text)));
  return *this;
}

StrBuffer& StrBuffer::appendUnits(const char16_t* units, std::uint32_t count) {
  if (count == 0) return *this;
  ensureRoom(length_ + count);
  std::memcpy(storage_ + length_, units, 2u * count);
  length_ += count;
  return *this;
}

StrBuffer& StrBuffer::appendChar(char16_t unit) {
  if (length_ == capacity_) ensureRoom(length_ + 1);
  storage_[length_++] = unit;
  return *this;
}

StrBuffer& StrBuffer::appendStr(const IStr& other) {
  if (&other == this) {
    // Appending to itself: the source may move when the storage grows.
    ensureRoom(2 * length_);
    std::memcpy(storage_ + length_, storage_, 2u * length_);
    length_ *= 2;
    return *this;
  }
  return appendUnits(other.text(), other.length());
}

StrBuffer& StrBuffer::appendText(const char16_t* text) {
  return appendUnits(text, textLength(text));
}

StrBuffer& StrBuffer::setStr(const IStr& other) {
  if (&other == this) return *this;
  length_ = 0;
  position_ = 0;
  reserveExact(other.length());
  return appendUnits(other.text(), other.length());
}

StrBuffer& StrBuffer::setText(const char16_t* text) {
  length_ = 0;
  position_ = 0;
  std::uint32_t n = textLength(text);
  reserveExact(n);
  return appendUnits(text, n);
}

// ---- numbers ----

StrBuffer& StrBuffer::appendUInt64(std::uint64_t value) {
  reserve(length_ + kNumberRoom);
  char16_t digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) storage_[length_++] = digits[--n];
  return *this;
}

StrBuffer& StrBuffer::appendInt64(std::int64_t value) {
  if (value >= 0) return appendUInt64(static_cast<std::uint64_t>(value));
  reserve(length_ + kNumberRoom);
  storage_[length_++] = u'-';
  // Negate in unsigned arithmetic so that the most negative value has a magnitude too.
  return appendUInt64(0 - static_cast<std::uint64_t>(value));
}

StrBuffer& StrBuffer::appendUInt32(std::uint32_t value) { return appendUInt64(value); }

StrBuffer& StrBuffer::appendDouble(double value) {
  reserve(length_ + kNumberRoom);
  // "%f" of the largest doubles needs over 300 characters.
  char narrow[400];
  int n = std::snprintf(narrow, sizeof narrow, "%f", value);
  if (n < 0) return *this;
  if (n >= static_cast<int>(sizeof narrow)) n = sizeof narrow - 1;
  appendNarrow(narrow, static_cast<std::uint32_t>(n));
  return *this;
}

StrBuffer& StrBuffer::setInt64(std::int64_t value) {
  clear();
  return appendInt64(value);
}

StrBuffer& StrBuffer::setUInt32(std::uint32_t value) {
  clear();
  return appendUInt32(value);
}

StrBuffer& StrBuffer::setDouble(double value) {
  clear();
  return appendDouble(value);
}

StrBuffer& StrBuffer::appendHex(const void* values, std::uint32_t count, std::uint32_t width) {
  reserve(length_ + count * width);
  const auto* bytes = static_cast<const unsigned char*>(values);
  std::uint32_t size = width / 2;
  for (std::uint32_t v = 0; v < count; ++v) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes + v * size, size);  // the library runs on little-endian machines
    for (std::uint32_t d = width; d-- > 0;) {
      storage_[length_ + d] = hexDigit(static_cast<unsigned>(value & 0xF));
      value >>= 4;
    }
    length_ += width;
  }
  return *this;
}

StrBuffer& StrBuffer::appendHex8(const std::uint8_t* values, std::uint32_t count) {
  return appendHex(values, count, 2);
}
StrBuffer& StrBuffer::appendHex16(const std::uint16_t* values, std::uint32_t count) {
  return appendHex(values, count, 4);
}
StrBuffer& StrBuffer::appendHex32(const std::uint32_t* values, std::uint32_t count) {
  return appendHex(values, count, 8);
}
StrBuffer& StrBuffer::appendHex64(const std::uint64_t* values, std::uint32_t count) {
  return appendHex(values, count, 16);
}
StrBuffer& StrBuffer::appendHex32Pairs(const std::uint32_t* values, std::uint32_t count) {
  return appendHex(values, 2 * count, 8);
}
StrBuffer& StrBuffer::appendHexPointer(const void* pointer) {
  auto value = reinterpret_cast<std::uintptr_t>(pointer);
  return appendHex(&value, 1, 2 * sizeof value);
}
StrBuffer& StrBuffer::setHex8(const std::uint8_t* values, std::uint32_t count) {
  clear();
  reserveExact(2 * count);
  return appendHex(values, count, 2);
}
StrBuffer& StrBuffer::setHex16(const std::uint16_t* values, std::uint32_t count) {
  clear();
  reserveExact(4 * count);
  return appendHex(values, count, 4);
}
StrBuffer& StrBuffer::setHex32(const std::uint32_t* values, std::uint32_t count) {
  clear();
  reserveExact(8 * count);
  return appendHex(values, count, 8);
}
StrBuffer& StrBuffer::setHex64(const std::uint64_t* values, std::uint32_t count) {
  clear();
  reserveExact(16 * count);
  return appendHex(values, count, 16);
}

// ---- replacement ----

template <bool kIgnoreCase>
void StrBuffer::replaceAllImpl(const char16_t* find, const char16_t* replacement) {
  const std::uint32_t findLength = textLength(find);
  const std::uint32_t replacementLength = textLength(replacement);
  if (findLength == 0 || length_ < findLength) return;
  std::uint32_t match = 0;
  if (!findImpl<kIgnoreCase>(find, &match, 0)) return;

  if (replacementLength == findLength) {
    do {
      std::memcpy(storage_ + match, replacement, 2u * replacementLength);
    } while (findImpl<kIgnoreCase>(find, &match, match + findLength));
    return;
  }

  if (replacementLength < findLength) {
    // Compact in place: the write position never overtakes the read position.
    std::uint32_t read = 0;
    std::uint32_t write = 0;
    do {
      std::uint32_t kept = match - read;
      std::memmove(storage_ + write, storage_ + read, 2u * kept);
      write += kept;
      std::memcpy(storage_ + write, replacement, 2u * replacementLength);
      write += replacementLength;
      read = match + findLength;
    } while (findImpl<kIgnoreCase>(find, &match, read));
    std::memmove(storage_ + write, storage_ + read, 2u * (length_ - read));
    length_ = write + (length_ - read);
    return;
  }

  // Note every match first so that the result is allocated once, at its exact size.
  auto matches = s::thread::obtain<ArrayU32>();
  do {
    matches->add(match);
  } while (findImpl<kIgnoreCase>(find, &match, match + findLength));
  const std::uint32_t count = matches->count();
  auto result = s::thread::obtain<StrBuffer>();
  result->reserveExact(length_ + count * (replacementLength - findLength));
  char16_t* out = result->storage_;
  std::uint32_t read = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t at = matches->at(i);
    std::memcpy(out, storage_ + read, 2u * (at - read));
    out += at - read;
    std::memcpy(out, replacement, 2u * replacementLength);
    out += replacementLength;
    read = at + findLength;
  }
  std::memcpy(out, storage_ + read, 2u * (length_ - read));
  out += length_ - read;
  result->length_ = static_cast<std::uint32_t>(out - result->storage_);
  std::swap(storage_, result->storage_);
  std::swap(length_, result->length_);
  std::swap(capacity_, result->capacity_);
}

void StrBuffer::replaceAll(const char16_t* find, const char16_t* replacement) {
  replaceAllImpl<false>(find, replacement);
}

void StrBuffer::replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement) {
  replaceAllImpl<true>(find, replacement);
}

// ---- copies and ranges ----

s::base::Owned<StrBuffer> StrBuffer::clone() const {
  auto copy = s::thread::obtain<StrBuffer>();
  copy->reserveExact(length_);
  copy->appendUnits(storage_, length_);
  return copy;
}

void StrBuffer::keepRange(std::uint32_t from, std::uint32_t to) {
  if (to > length_) to = length_;
  if (from >= to) {
    length_ = 0;
    return;
  }
  if (from > 0) std::memmove(storage_, storage_ + from, 2u * (to - from));
  length_ = to - from;
}

s::base::Owned<StrBuffer> StrBuffer::substring(std::uint32_t from, std::uint32_t to) const {
  auto part = s::thread::obtain<StrBuffer>();
  if (to > length_) to = length_;
  if (from < to) {
    part->reserveExact(to - from);
    part->appendUnits(storage_ + from, to - from);
  }
  return part;
}

s::base::Owned<StrBuffer> StrBuffer::beforeLast(char16_t unit, std::uint32_t before) const {
  std::uint32_t at = 0;
  return lastIndexOf(unit, &at, before) ? substring(0, at) : newStr();
}

s::base::Owned<StrBuffer> StrBuffer::beforeLastIgnoreCase(char16_t unit,
                                                          std::uint32_t before) const {
  std::uint32_t at = 0;
  return lastIndexOfIgnoreCase(unit, &at, before) ? substring(0, at) : newStr();
}

s::base::Owned<StrBuffer> StrBuffer::beforeLastAny(const char16_t* set, std::uint32_t setSize,
                                                   std::uint32_t before) const {
  std::uint32_t at = 0;
  return lastIndexOfAny(set, setSize, &at, before) ? substring(0, at) : newStr();
}

s::base::Owned<StrBuffer> StrBuffer::beforeLastAnyIgnoreCase(const char16_t* set,
                                                             std::uint32_t setSize,
                                                             std::uint32_t before) const {
  std::uint32_t at = 0;
  return lastIndexOfAnyIgnoreCase(set, setSize, &at, before) ? substring(0, at) : newStr();
}

s::base::Owned<StrBuffer> StrBuffer::beforeLastText(const char16_t* text,
                                                    std::uint32_t before) const {
  std::uint32_t at = 0;
  return findLast(text, &at, before) ? substring(0, at) : newStr();
}

s::base::Owned<StrBuffer> StrBuffer::beforeLastTextIgnoreCase(const char16_t* text,
                                                              std::uint32_t before) const {
  std::uint32_t at = 0;
  return findLastIgnoreCase(text, &at, before) ? substring(0, at) : newStr();
}

// ---- UTF-8 ----

ArrayU08& StrBuffer::toUtf8Unterminated(ArrayU08& bytes, bool append) const {
  if (append) {
    bytes.reserve(bytes.count() + 3 * length_ + 2);
  } else {
    bytes.clear();
    bytes.reserveExact(3 * length_ + 2);
  }
  std::uint8_t* out = bytes.items() + bytes.count();
  std::uint8_t* const begin = out;
  for (std::uint32_t i = 0; i < length_; ++i) {
    std::uint32_t c = storage_[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length_ && storage_[i + 1] >= 0xDC00 &&
        storage_[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (storage_[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      *out++ = static_cast<std::uint8_t>(c);
    } else if (c < 0x800) {
      *out++ = static_cast<std::uint8_t>(0xC0 | (c >> 6));
      *out++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      *out++ = static_cast<std::uint8_t>(0xE0 | (c >> 12));
      *out++ = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
      *out++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    } else {
      *out++ = static_cast<std::uint8_t>(0xF0 | (c >> 18));
      *out++ = static_cast<std::uint8_t>(0x80 | ((c >> 12) & 0x3F));
      *out++ = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
      *out++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    }
  }
  *out = 0;
  bytes.setCount(bytes.count() + static_cast<std::uint32_t>(out - begin));
  return bytes;
}

ArrayU08& StrBuffer::toUtf8(ArrayU08& bytes, bool append) const {
  toUtf8Unterminated(bytes, append);
  bytes.setCount(bytes.count() + 1);  // the zero written after the data
  return bytes;
}

s::base::Owned<ArrayU08> StrBuffer::toUtf8() const {
  auto bytes = s::thread::obtain<ArrayU08>();
  toUtf8(*bytes, false);
  return bytes;
}

std::uint32_t StrBuffer::fromUtf8(const char* text, bool append, std::uint32_t count) {
  const auto* in = reinterpret_cast<const std::uint8_t*>(text);
  if (count == kAll) count = static_cast<std::uint32_t>(std::strlen(text));
  if (!append) clear();
  reserve(length_ + count);
  char16_t* const begin = storage_ + length_;
  char16_t* out = decodeUtf8(in, count, begin);
  auto produced = static_cast<std::uint32_t>(out - begin);
  length_ += produced;
  return produced;
}

// ---- number parsing ----

namespace {

// Parses blanks, an optional sign and digits; the magnitude saturates at `limit`.
std::uint64_t parseMagnitude(const char16_t* units, std::uint32_t length, bool* negative,
                             std::uint64_t limit) {
  std::uint32_t i = 0;
  while (i < length && isBlankForNumbers(units[i])) ++i;
  *negative = false;
  if (i < length && (units[i] == u'-' || units[i] == u'+')) *negative = units[i++] == u'-';
  std::uint64_t magnitude = 0;
  for (; i < length && units[i] >= u'0' && units[i] <= u'9'; ++i) {
    std::uint64_t digit = units[i] - u'0';
    if (magnitude > (limit - digit) / 10) return limit;
    magnitude = magnitude * 10 + digit;
  }
  return magnitude;
}

}  // namespace

std::int32_t StrBuffer::toInt32() const {
  bool negative = false;
  // The limit depends on the sign, so parse against the larger one and clamp after.
  std::uint64_t magnitude = parseMagnitude(storage_, length_, &negative, 0x80000000ull);
  std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
  if (magnitude > limit) magnitude = limit;
  return negative ? static_cast<std::int32_t>(0 - magnitude) : static_cast<std::int32_t>(magnitude);
}

std::int64_t StrBuffer::toInt64() const {
  bool negative = false;
  std::uint64_t magnitude = parseMagnitude(storage_, length_, &negative, 0x8000000000000000ull);
  std::uint64_t limit = negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull;
  if (magnitude > limit) magnitude = limit;
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

double StrBuffer::toFloat() const {
  // Numbers are ASCII: anything else ends the number anyway.
  char narrow[128];
  std::uint32_t n = 0;
  for (; n < length_ && n + 1 < sizeof narrow && storage_[n] < 0x80; ++n) {
    narrow[n] = static_cast<char>(storage_[n]);
  }
  narrow[n] = 0;
  return std::strtod(narrow, nullptr);
}

bool StrBuffer::isInteger() const {
  if (length_ == 0) return false;
  std::uint32_t i = storage_[0] == u'-' && length_ > 1 ? 1 : 0;
  for (; i < length_; ++i) {
    if (storage_[i] < u'0' || storage_[i] > u'9') return false;
  }
  return true;
}

bool StrBuffer::isHex() const {
  if (length_ == 0) return false;
  for (std::uint32_t i = 0; i < length_; ++i) {
    char16_t c = storage_[i];
    bool digit = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    if (!digit) return false;
  }
  return true;
}

std::uint32_t StrBuffer::hexDigitAt(std::uint32_t index) const {
  char16_t c = storage_[index];
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 0;
}

ArrayU08& StrBuffer::hexToBytes(ArrayU08& bytes, bool append) const {
  if (!append) bytes.clear();
  bytes.reserve(bytes.count() + length_ / 2);
  for (std::uint32_t i = 0; i + 1 < length_; i += 2) {
    bytes.add(static_cast<std::uint8_t>((hexDigitAt(i) << 4) | hexDigitAt(i + 1)));
  }
  return bytes;
}

// ---- splitting ----

s::base::Owned<StrArray> StrBuffer::split(char16_t separator) const {
  auto parts = s::thread::obtain<StrArray>();
  std::uint32_t from = 0;
  std::uint32_t hit = 0;
  while (indexOf(separator, &hit, from)) {
    if (hit != from) parts->add(substring(from, hit));
    from = hit + 1;
  }
  if (from < length_) parts->add(substring(from, length_));
  return parts;
}

namespace {

bool endsWord(char16_t c) {
  if (c <= 36 || (c >= 38 && c <= 42) || c == 44 || c == 46 || c == 47) return true;
  if ((c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 255)) return true;
  return (c >= 0x3000 && c <= 0x3002) || c == 0x300C || c == 0x300D || c == 0x3010 || c == 0x3011 ||
         c == 0xFF08 || c == 0xFF09;
}

bool isStopWord(const StrBuffer& word) {
  static const char16_t* const kStopWords[] = {u"the", u"of", u"and"};
  for (const char16_t* stop : kStopWords) {
    if (word.length() == textLength(stop) && word.startsWithIgnoreCase(stop)) return true;
  }
  return false;
}

}  // namespace

s::base::Owned<StrArray> StrBuffer::words(bool dropStopWord) const {
  auto result = s::thread::obtain<StrArray>();
  std::uint32_t i = 0;
  bool lastWasStop = false;
  while (i < length_) {
    while (i < length_ && endsWord(storage_[i])) ++i;
    std::uint32_t start = i;
    while (i < length_ && !endsWord(storage_[i])) ++i;
    if (i == start) break;
    auto word = substring(start, i);
    lastWasStop = isStopWord(*word);
    bool known = false;
    for (std::uint32_t k = 0; k < result->count() && !known; ++k) {
      known = result->at(k)->equalsIgnoreCase(*word);
    }
    if (!known) result->add(std::move(word));
  }
  // Only the text's last word is tested, and only when it is the last one kept.
  if (dropStopWord && lastWasStop && result->count() > 0 &&
      isStopWord(*result->at(result->count() - 1))) {
    result->removeLast();
  }
  return result;
}

// ---- iterators ----

s::base::Owned<Iterator> StrBuffer::iterator() const { return Iterator::over(this, 0, -1); }

s::base::Owned<Iterator> StrBuffer::iteratorAtEnd() const {
  return Iterator::over(this, length_, static_cast<std::int32_t>(length_));
}

s::base::Owned<Iterator> StrBuffer::iteratorAt(std::uint32_t index) const {
  if (index == kAll) index = length_;
  return Iterator::over(this, index, static_cast<std::int32_t>(index) - 1);
}

s::base::Owned<Iterator> StrBuffer::iteratorFromEnd(std::uint32_t n) const {
  if (n == kAll) return Iterator::over(this, 0, 0);
  return Iterator::over(this, length_ - n, static_cast<std::int32_t>(length_ - n));
}

// ---- streams ----

bool StrBuffer::read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) {
  return s::io::ByteCursor::read(storage_, 2u * length_, position_, destination, count, bytesRead);
}

bool StrBuffer::write(const void* source, std::uint32_t count) {
  std::uint64_t end = std::uint64_t{position_} + count;
  ensureRoom(static_cast<std::uint32_t>(end / 2 + 1));
  if (count > 0) std::memcpy(reinterpret_cast<unsigned char*>(storage_) + position_, source, count);
  position_ = static_cast<std::uint32_t>(end);
  if (position_ / 2 > length_) length_ = position_ / 2;
  return true;
}

void StrBuffer::seekFromEnd(std::uint32_t back) {
  position_ = s::io::ByteCursor::backFrom(2u * length_, back);
}

void StrBuffer::skipBack(std::uint32_t count) {
  position_ = s::io::ByteCursor::backBy(position_, count);
}

// ---- convenience constructors ----

s::base::Owned<StrBuffer> newStr(const char16_t* text) {
  auto buffer = s::thread::obtain<StrBuffer>();
  buffer->setText(text);
  return buffer;
}

s::base::Owned<StrBuffer> newStr2(const char16_t* a, const char16_t* b) {
  auto buffer = newStr(a);
  buffer->appendText(b);
  return buffer;
}

s::base::Owned<StrBuffer> newPath(const char16_t* a, const char16_t* b) {
  auto buffer = newStr(a);
  buffer->appendChar(u'\\').appendText(b);
  return buffer;
}

s::base::Owned<StrBuffer> newStr4(const char16_t* a, const char16_t* b, const char16_t* c,
                                  const char16_t* d) {
  auto buffer = newStr(a);
  buffer->appendText(b).appendText(c).appendText(d);
  return buffer;
}

}  // namespace s::str::strbuffer
