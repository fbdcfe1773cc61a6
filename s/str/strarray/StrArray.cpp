#include "s/str/strarray/StrArray.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::str::strarray {

StrArray::StrArray() { parts_.setElementReleaser(&s::thread::poolOf<StrBuffer>()); }

StrArray::~StrArray() {
  // Destroyed outright (its pool is full or closing): delete the parts rather than pool them.
  for (std::uint32_t i = 0; i < parts_.count(); ++i) delete at(i);
  parts_.setElementReleaser(nullptr);
  parts_.free();
}

s::base::IObject* StrArray::newInstance() const { return s::thread::takeFromPool<StrArray>(); }

void StrArray::release() { s::thread::giveBackToPool(this); }

void StrArray::reset() {
  if (parts_.count() > 0) parts_.clear();
}

void StrArray::add(s::base::Owned<StrBuffer> text) { parts_.appendPointer(text.detach()); }

void StrArray::removeLast() { parts_.removeAt(parts_.count() - 1); }

}  // namespace s::str::strarray
