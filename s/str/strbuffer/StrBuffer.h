#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/IStr.h"

namespace s::str::strarray {
class StrArray;
}

namespace s::str::strbuffer {

class Iterator;

// The library's one text type: a growable buffer of UTF-16 units, pooled. The text is
// terminated on demand (text(), the searches), not after every change. Positions and counts are
// in units; a count of kAll means "the whole text"; backward searches take kFromEnd.
class StrBuffer final : public IStr {
 public:
  using ArrayU08 = s::col::_array::ArrayU08;
  using StrArray = s::str::strarray::StrArray;

  static constexpr std::uint32_t kAll = 0xFFFFFFFFu;
  static constexpr std::uint32_t kFromEnd = 0xFFFFFFu;

  StrBuffer() = default;
  ~StrBuffer() override;
  StrBuffer(const StrBuffer&) = delete;
  StrBuffer& operator=(const StrBuffer&) = delete;

  // Object operations: compare() orders by storage bytes, then by length.
  int compare(const s::base::IComparable* other,
              const s::base::IComparator* comparator = nullptr) const override;
  int compareIgnoreCase(const s::base::IComparable* other,
                        const s::base::IComparator* comparator = nullptr) const override;
  bool equals(const s::base::IComparable* other,
              const s::base::IComparator* comparator = nullptr) const override;
  bool equalsIgnoreCase(const s::base::IComparable* other,
                        const s::base::IComparator* comparator = nullptr) const override;
  int hash() const override;
  int hashIgnoreCase() const override;
  const char16_t* className() const override { return u"s_str_strbuffer_StrBuffer"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Frees the storage: a buffer back in its pool keeps nothing.
  void reset() override;

  // Shortcuts for comparing with another buffer.
  bool equals(const StrBuffer& other) const { return equals(&other, nullptr); }
  bool equalsIgnoreCase(const StrBuffer& other) const { return equalsIgnoreCase(&other, nullptr); }

  // Storage and length.
  void terminate() const;
  std::uint32_t length() const override { return length_; }
  bool isEmpty() const { return length_ == 0; }
  // Sets the length with no check; used after writing into data() directly.
  void setLength(std::uint32_t n) { length_ = n; }
  std::uint32_t capacity() const { return capacity_; }
  void reserveExact(std::uint32_t n);
  void grow();
  void reserve(std::uint32_t n);
  void clear();
  char16_t* data() { return storage_; }
  const char16_t* data() const { return storage_; }
  const char16_t* text() const override;
  char16_t* charPointer(std::uint32_t index) { return storage_ + index; }

  // Characters and case.
  std::uint32_t reverse();
  void toLower();
  void toUpper();
  void capitalize();
  char16_t charAt(std::uint32_t index) const override { return storage_[index]; }
  char16_t charAtLower(std::uint32_t index) const;
  char16_t charAtUpper(std::uint32_t index) const;

  // Forward searches from start; false when absent.
  bool indexOf(char16_t unit, std::uint32_t* position, std::uint32_t start = 0) const;
  bool indexOfIgnoreCase(char16_t unit, std::uint32_t* position, std::uint32_t start = 0) const;
  bool indexOfAny(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                  std::uint32_t start = 0) const;
  bool indexOfAnyIgnoreCase(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                            std::uint32_t start = 0) const;
  // Backward searches from min(before, length) - 1; kFromEnd searches the whole text.
  bool lastIndexOf(char16_t unit, std::uint32_t* position, std::uint32_t before = kFromEnd) const;
  bool lastIndexOfIgnoreCase(char16_t unit, std::uint32_t* position,
                             std::uint32_t before = kFromEnd) const;
  bool lastIndexOfAny(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                      std::uint32_t before = kFromEnd) const;
  bool lastIndexOfAnyIgnoreCase(const char16_t* set, std::uint32_t setSize, std::uint32_t* position,
                                std::uint32_t before = kFromEnd) const;
  bool find(const char16_t* text, std::uint32_t* position, std::uint32_t start = 0) const;
  bool findIgnoreCase(const char16_t* text, std::uint32_t* position, std::uint32_t start = 0) const;
  bool findLast(const char16_t* text, std::uint32_t* position,
                std::uint32_t before = kFromEnd) const;
  bool findLastIgnoreCase(const char16_t* text, std::uint32_t* position,
                          std::uint32_t before = kFromEnd) const;

  // Region tests. A count of kAll compares the whole text, which must then end the buffer.
  bool regionMatches(std::uint32_t index, const char16_t* text, std::uint32_t textIndex,
                     std::uint32_t count) const;
  bool regionMatchesIgnoreCase(std::uint32_t index, const char16_t* text, std::uint32_t textIndex,
                               std::uint32_t count) const;
  bool startsWith(const char16_t* text, std::uint32_t count = kAll) const;
  bool startsWithIgnoreCase(const char16_t* text, std::uint32_t count = kAll) const;
  bool endsWith(const char16_t* text, std::uint32_t count = kAll) const;
  bool endsWithIgnoreCase(const char16_t* text, std::uint32_t count = kAll) const;
  // Compares from index with text from textIndex (count units, or to the terminator).
  int compareAt(std::uint32_t index, const char16_t* text, std::uint32_t textIndex = 0,
                std::uint32_t count = kAll) const;
  int compareAtIgnoreCase(std::uint32_t index, const char16_t* text, std::uint32_t textIndex = 0,
                          std::uint32_t count = kAll) const;

  // Trimming. The default set is space, line feed, ideographic space, tab and carriage return;
  // a set size of kAll means a terminated set.
  void trimRight();
  void trimRightKeep(std::uint32_t minimumLength);
  void trimRight(const char16_t* set, std::uint32_t setSize);
  void trimRightKeep(const char16_t* set, std::uint32_t minimumLength, std::uint32_t setSize);
  void trimLeft();
  void trimLeft(const char16_t* set, std::uint32_t setSize);

  // Appending and setting text.
  void insertFront(const char16_t* units, std::uint32_t count);
  // Appends each byte as one unit, sign-extended as the narrow-text routines always have.
  std::uint32_t appendNarrow(const char* bytes, std::uint32_t count);
  StrBuffer& appendNarrowText(const char* text);
  StrBuffer& appendUnits(const char16_t* units, std::uint32_t count);
  StrBuffer& appendChar(char16_t unit);
  StrBuffer& appendStr(const IStr& other);
  StrBuffer& appendText(const char16_t* text);
  StrBuffer& setStr(const IStr& other);
  StrBuffer& setText(const char16_t* text);

  // Decimal numbers ("%d", "%u", "%I64d", "%f").
  StrBuffer& appendInt64(std::int64_t value);
  StrBuffer& appendUInt64(std::uint64_t value);
  StrBuffer& appendUInt32(std::uint32_t value);
  StrBuffer& appendUInt16(std::uint16_t value) { return appendUInt32(value); }
  StrBuffer& appendUInt8(std::uint8_t value) { return appendUInt32(value); }
  StrBuffer& appendInt32(std::int32_t value) { return appendInt64(value); }
  StrBuffer& appendInt16(std::int16_t value) { return appendInt64(value); }
  StrBuffer& appendInt8(std::int8_t value) { return appendInt64(value); }
  StrBuffer& appendFloat(float value) { return appendDouble(value); }
  StrBuffer& appendDouble(double value);
  StrBuffer& setInt64(std::int64_t value);
  StrBuffer& setUInt32(std::uint32_t value);
  StrBuffer& setUInt16(std::uint16_t value) { return setUInt32(value); }
  StrBuffer& setUInt8(std::uint8_t value) { return setUInt32(value); }
  StrBuffer& setInt32(std::int32_t value) { return setInt64(value); }
  StrBuffer& setInt16(std::int16_t value) { return setInt64(value); }
  StrBuffer& setInt8(std::int8_t value) { return setInt64(value); }
  StrBuffer& setFloat(float value) { return setDouble(value); }
  StrBuffer& setDouble(double value);

  // Lower-case hexadecimal: 2, 4, 8 or 16 units per value, no separator. append... writes after
  // the text, set... replaces it.
  StrBuffer& appendHex8(const std::uint8_t* values, std::uint32_t count);
  StrBuffer& appendHex16(const std::uint16_t* values, std::uint32_t count);
  StrBuffer& appendHex32(const std::uint32_t* values, std::uint32_t count);
  StrBuffer& appendHex64(const std::uint64_t* values, std::uint32_t count);
  // 2 x count 32-bit words.
  StrBuffer& appendHex32Pairs(const std::uint32_t* values, std::uint32_t count);
  StrBuffer& appendHexPointer(const void* pointer);
  StrBuffer& setHex8(const std::uint8_t* values, std::uint32_t count);
  StrBuffer& setHex16(const std::uint16_t* values, std::uint32_t count);
  StrBuffer& setHex32(const std::uint32_t* values, std::uint32_t count);
  StrBuffer& setHex64(const std::uint64_t* values, std::uint32_t count);

  // Replaces every occurrence of find with replacement, in place.
  void replaceAll(const char16_t* find, const char16_t* replacement);
  void replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement);

  // Copies and ranges; the new buffers belong to the caller.
  s::base::Owned<StrBuffer> clone() const;
  // Keeps units [from, min(to, length)).
  void keepRange(std::uint32_t from, std::uint32_t to);
  // Units [from, min(to, length)); to = kAll means the end.
  s::base::Owned<StrBuffer> substring(std::uint32_t from, std::uint32_t to = kAll) const;
  // The text before the last occurrence; empty when there is none.
  s::base::Owned<StrBuffer> beforeLast(char16_t unit, std::uint32_t before = kFromEnd) const;
  s::base::Owned<StrBuffer> beforeLastIgnoreCase(char16_t unit,
                                                 std::uint32_t before = kFromEnd) const;
  s::base::Owned<StrBuffer> beforeLastAny(const char16_t* set, std::uint32_t setSize,
                                          std::uint32_t before = kFromEnd) const;
  s::base::Owned<StrBuffer> beforeLastAnyIgnoreCase(const char16_t* set, std::uint32_t setSize,
                                                    std::uint32_t before = kFromEnd) const;
  s::base::Owned<StrBuffer> beforeLastText(const char16_t* text,
                                           std::uint32_t before = kFromEnd) const;
  s::base::Owned<StrBuffer> beforeLastTextIgnoreCase(const char16_t* text,
                                                     std::uint32_t before = kFromEnd) const;

  // UTF-8. toUtf8 counts a terminating zero byte in the array; toUtf8Unterminated writes it
  // after the data without counting it. Invalid UTF-16 becomes U+FFFD.
  ArrayU08& toUtf8(ArrayU08& bytes, bool append) const;
  s::base::Owned<ArrayU08> toUtf8() const;
  ArrayU08& toUtf8Unterminated(ArrayU08& bytes, bool append) const;
  // Decodes count bytes (kAll: up to a zero byte); invalid sequences become U+FFFD. Returns the
  // units produced.
  std::uint32_t fromUtf8(const char* bytes, bool append, std::uint32_t count = kAll);

  // Numbers: blanks skipped, optional sign, digits up to the first non-digit; 0 when nothing
  // parses. Digits beyond the type's range saturate at its limit.
  std::int32_t toInt32() const;
  std::int64_t toInt64() const;
  double toFloat() const;
  bool isInteger() const;
  bool isHex() const;
  std::uint32_t hexDigitAt(std::uint32_t index) const;
  // Each pair of units becomes one byte, high nibble first; an odd last unit is ignored.
  ArrayU08& hexToBytes(ArrayU08& bytes, bool append) const;

  // Parts between separators; empty parts are never produced.
  s::base::Owned<StrArray> split(char16_t separator) const;
  // Distinct words (ignoring case); with dropStopWord, a last word "the", "of" or "and" is
  // dropped.
  s::base::Owned<StrArray> words(bool dropStopWord) const;

  // Iterators: before the first unit, after the last, at index (kAll: the end), n before the
  // end (kAll: at the start).
  s::base::Owned<Iterator> iterator() const;
  s::base::Owned<Iterator> iteratorAtEnd() const;
  s::base::Owned<Iterator> iteratorAt(std::uint32_t index) const;
  s::base::Owned<Iterator> iteratorFromEnd(std::uint32_t n) const;

  // Byte-stream faces over the storage.
  bool read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) override;
  bool write(const void* source, std::uint32_t count) override;
  void rewind() override { position_ = 0; }
  std::uint32_t position() const override { return position_; }
  void seekEnd() override { position_ = 2 * length_; }
  void seek(std::uint32_t position) override { position_ = position; }
  void seekFromEnd(std::uint32_t back) override;
  void skip(std::uint32_t count) override { position_ += count; }
  void skipBack(std::uint32_t count) override;

 private:
  void ensureRoom(std::uint32_t needed);
  void reallocate(std::uint32_t newCapacity);
  StrBuffer& appendHex(const void* values, std::uint32_t count, std::uint32_t width);
  template <bool kIgnoreCase>
  bool findImpl(const char16_t* text, std::uint32_t* position, std::uint32_t start) const;
  template <bool kIgnoreCase>
  bool findLastImpl(const char16_t* text, std::uint32_t* position, std::uint32_t before) const;
  template <bool kIgnoreCase>
  bool regionMatchesImpl(std::uint32_t index, const char16_t* text, std::uint32_t textIndex,
                         std::uint32_t count) const;
  template <bool kIgnoreCase>
  bool affixMatches(const char16_t* text, std::uint32_t count, bool atEnd) const;
  template <bool kIgnoreCase>
  void replaceAllImpl(const char16_t* find, const char16_t* replacement);
  bool inSet(char16_t unit, const char16_t* set, std::uint32_t setSize) const;

  char16_t* storage_ = nullptr;
  std::uint32_t length_ = 0;
  std::uint32_t capacity_ = 0;
  std::uint32_t position_ = 0;
};

// Convenience constructors: a pooled buffer set to the text(s).
s::base::Owned<StrBuffer> newStr(const char16_t* text = u"");
s::base::Owned<StrBuffer> newStr2(const char16_t* a, const char16_t* b);
// a, a backslash, b.
s::base::Owned<StrBuffer> newPath(const char16_t* a, const char16_t* b);
s::base::Owned<StrBuffer> newStr4(const char16_t* a, const char16_t* b, const char16_t* c,
                                  const char16_t* d);

// Length of a terminated UTF-16 text.
std::uint32_t textLength(const char16_t* text);
// A-Z to a-z only.
inline char16_t foldAscii(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
}

}  // namespace s::str::strbuffer
