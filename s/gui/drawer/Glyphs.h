#pragma once

#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/ISurface.h"

namespace s::gui::drawer {

// Draws the glyph called name (a caption beginning with "#", compared exactly) into area in one
// colour, from solid rectangles. False, with nothing drawn, for any other name. "#Color-"
// followed by six hexadecimal digits (red, green, blue) is a swatch of that colour framed in
// the given one.
bool drawGlyph(ISurface& surface, const Rect& area, const char16_t* name, Colour colour);

}  // namespace s::gui::drawer
