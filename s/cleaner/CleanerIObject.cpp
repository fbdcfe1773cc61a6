#include "s/cleaner/CleanerIObject.h"

#include <cstdlib>

#include "s/base/IObject.h"

namespace s::cleaner {

void CleanerIObject::dispose(void** object) {
  if (*object == nullptr) return;
  delete static_cast<s::base::IObject*>(*object);
  *object = nullptr;
}

CleanerIObject& CleanerIObject::instance() {
  // Never destroyed: arrays released during exit may still need it.
  static auto* cleaner = new CleanerIObject();
  return *cleaner;
}

void CleanerRawObject::dispose(void** object) {
  if (*object == nullptr) return;
  std::free(*object);
  *object = nullptr;
}

CleanerRawObject& CleanerRawObject::instance() {
  static auto* cleaner = new CleanerRawObject();
  return *cleaner;
}

}  // namespace s::cleaner
