#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "s/col/Growth.h"

namespace s::xml {

// The room for the first entries inside a list object; none at all when none is wanted.
template <class T, std::uint32_t Inline>
struct InlineSlots {
  T** inlineSlots() { return slots; }
  T* slots[Inline] = {};
};
template <class T>
struct InlineSlots<T, 0> {
  T** inlineSlots() { return nullptr; }
};

// A list of pointers for the many small lists of a tree: the first Inline entries live in the
// object itself, so most elements need no heap block for their attributes. It owns nothing:
// its owner gives the entries back before clearing it.
template <class T, std::uint32_t Inline>
class PointerList : private InlineSlots<T, Inline> {
 public:
  PointerList() = default;
  ~PointerList() { freeStorage(); }
  PointerList(const PointerList&) = delete;
  PointerList& operator=(const PointerList&) = delete;

  std::uint32_t count() const { return count_; }
  std::uint32_t capacity() const { return capacity_; }
  T* at(std::uint32_t index) const { return items_[index]; }
  T* const* items() const { return items_; }

  void append(T* item) {
    if (count_ == capacity_) {
      reserveExact(count_ < kFirstHeapCapacity ? kFirstHeapCapacity : count_ * 2);
    }
    items_[count_++] = item;
  }
  // Appends n entries, growing to exactly the room they need.
  void appendAll(T* const* items, std::uint32_t n) {
    reserveExact(count_ + n);
    std::memcpy(items_ + count_, items, n * sizeof(T*));
    count_ += n;
  }
  // Room for n entries without growing.
  void reserveExact(std::uint32_t n) {
    if (n <= capacity_) return;
    T** old = items_ == this->inlineSlots() ? nullptr : items_;
    auto* grown = static_cast<T**>(s::col::reallocateOrDie(old, std::uint64_t{n} * sizeof(T*)));
    if constexpr (Inline > 0) {
      if (old == nullptr && count_ > 0)
        std::memcpy(grown, this->inlineSlots(), count_ * sizeof(T*));
    }
    items_ = grown;
    capacity_ = n;
  }
  // Takes one entry out, keeping the order of the others.
  T* removeAt(std::uint32_t index) {
    T* item = items_[index];
    std::memmove(items_ + index, items_ + index + 1, (count_ - index - 1) * sizeof(T*));
    --count_;
    return item;
  }
  // Forgets the entries; the storage stays.
  void clear() { count_ = 0; }
  // Forgets the entries from index count on.
  void truncate(std::uint32_t count) { count_ = count; }
  // Forgets the entries and goes back to the inline room.
  void freeStorage() {
    if (items_ != this->inlineSlots()) std::free(items_);
    items_ = this->inlineSlots();
    capacity_ = Inline;
    count_ = 0;
  }

 private:
  // The first heap block a list outgrowing its inline room gets.
  static constexpr std::uint32_t kFirstHeapCapacity = Inline < 4 ? 4 : Inline * 2;

  T** items_ = this->inlineSlots();
  std::uint32_t count_ = 0;
  std::uint32_t capacity_ = Inline;
};

}  // namespace s::xml
