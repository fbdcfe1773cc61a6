#pragma once

#include "s/gui/drawer/Colour.h"

namespace s::gui::drawer::host {

// What the host answers for the selection colours; until set, (49, 106, 197) and white.
void setSystemHighlightColours(Colour highlight, Colour highlightText);
void resetSystemColours();

}  // namespace s::gui::drawer::host
