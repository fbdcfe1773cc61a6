#pragma once

#include <cstdint>

#include "s/col/_array/ArrayBase.h"

namespace s::base {
class IDestructor;
}

namespace s::col::_array {

// An array of pointers. With an element releaser it owns its elements: clearing, freeing,
// destroying or giving the array back disposes of every element first.
class ArrayP final : public ArrayBase {
 public:
  ArrayP() : ArrayBase(sizeof(void*) == 8 ? 3 : 2) {}
  ~ArrayP() override;

  const char16_t* className() const override { return u"s_col__array_ArrayP"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Releases owned elements, frees the storage and forgets the releaser: an array taken from
  // the pool owns nothing until its taker says so.
  void reset() override;

  void clear() override;
  void free() override;

  s::base::IDestructor* elementReleaser() const { return releaser_; }
  void setElementReleaser(s::base::IDestructor* releaser) { releaser_ = releaser; }

  void* pointerAt(std::uint32_t index) const { return static_cast<void* const*>(data())[index]; }
  void setPointerAt(std::uint32_t index, void* pointer) {
    static_cast<void**>(data())[index] = pointer;
  }
  void appendPointer(void* pointer) {
    if (count() < capacity()) {
      static_cast<void**>(data())[count()] = pointer;
      setCountWithinCapacity(count() + 1);
    } else {
      append(&pointer, 1);
    }
  }
  void* popLastPointer() {
    setCountWithinCapacity(count() - 1);
    return static_cast<void**>(data())[count()];
  }
  // Removes one element; with a releaser the element is disposed of and null returned,
  // otherwise it is handed to the caller.
  void* removeAt(std::uint32_t index);
  // Exchanges storage with another pointer array (releasers stay where they are).
  void swapStorage(ArrayP& other) { swapStorageWith(other); }

  const void* samples() const override;
  void appendElementText(StrBuffer& buffer, const void* element) const override;
  void appendElementHex(StrBuffer& buffer, const void* element) const override;
  const s::base::IComparator& defaultComparator() const override;

 private:
  void disposeElements();

  s::base::IDestructor* releaser_ = nullptr;
};

// Removes one pointer element (see ArrayP::removeAt).
inline void* arrayRemoveAt(ArrayP& array, std::uint32_t index) { return array.removeAt(index); }

}  // namespace s::col::_array
