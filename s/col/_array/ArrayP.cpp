#include "s/col/_array/ArrayP.h"

#include "s/base/IDestructor.h"
#include "s/comp/Comparators.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::col::_array {

ArrayP::~ArrayP() { disposeElements(); }

s::base::IObject* ArrayP::newInstance() const { return s::thread::takeFromPool<ArrayP>(); }

void ArrayP::release() { s::thread::giveBackToPool(this); }

void ArrayP::reset() {
  free();
  releaser_ = nullptr;
}

void ArrayP::clear() {
  disposeElements();
  ArrayBase::clear();
}

void ArrayP::free() {
  disposeElements();
  ArrayBase::free();
}

void ArrayP::disposeElements() {
  if (releaser_ == nullptr) return;
  // In index order, each slot cleared by its releaser.
  for (std::uint32_t i = 0; i < count(); ++i) releaser_->dispose(&static_cast<void**>(data())[i]);
  dropLast(count());
}

void* ArrayP::removeAt(std::uint32_t index) {
  void* element = pointerAt(index);
  if (index + 1 == count()) {
    dropLast(1);
  } else {
    removeRange(index, 1);
  }
  if (releaser_ != nullptr) {
    releaser_->dispose(&element);
    return nullptr;
  }
  return element;
}

const void* ArrayP::samples() const {
  // Five empty pointer arrays, made once for the process.
  static ArrayP* const sampleArrays = new ArrayP[5];
  static void* const pointers[5] = {&sampleArrays[0], &sampleArrays[1], &sampleArrays[2],
                                    &sampleArrays[3], &sampleArrays[4]};
  return pointers;
}

void ArrayP::appendElementText(StrBuffer& buffer, const void* element) const {
  // Elements are untyped, so their address is all the text can say.
  buffer.appendText(u"0x");
  buffer.appendHexPointer(*static_cast<void* const*>(element));
}

void ArrayP::appendElementHex(StrBuffer& buffer, const void* element) const {
  buffer.appendHexPointer(*static_cast<void* const*>(element));
}

const s::base::IComparator& ArrayP::defaultComparator() const { return s::comp::CompP::instance(); }

}  // namespace s::col::_array
