#include "s/app/SkinAccess.h"

#include "s/gui/drawer/Skinner.h"

namespace s::app {

const char16_t* currentSchemeName(const s::gui::drawer::Skinner* skin) {
  if (skin == nullptr || skin->currentScheme() == nullptr) return u"";
  return skin->currentScheme()->name().text();
}

bool hasScheme(const s::gui::drawer::Skinner* skin, const char16_t* name) {
  std::int32_t index = -1;
  return skin != nullptr && name != nullptr && skin->findScheme(name, &index);
}

void selectScheme(s::gui::drawer::Skinner* skin, const char16_t* name) {
  // The skin itself falls back to its first scheme for a name it lacks, and tells its
  // listeners only when the current scheme changes.
  if (skin != nullptr && name != nullptr) skin->selectScheme(name);
}

}  // namespace s::app
