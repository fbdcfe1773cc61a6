#pragma once

namespace s::gui::drawer {
class Skinner;
}

// The little the application layer asks of a skin: the name of its current colour scheme, and
// switching to a scheme by name.
namespace s::app {

// The empty text for a null skin.
const char16_t* currentSchemeName(const s::gui::drawer::Skinner* skin);
// Whether the skin has a colour scheme of that name.
bool hasScheme(const s::gui::drawer::Skinner* skin, const char16_t* name);
// Makes the named scheme current (the skin's first one when it has no scheme of that name).
void selectScheme(s::gui::drawer::Skinner* skin, const char16_t* name);

}  // namespace s::app
