#include "s/gui/drawer/SystemColours.h"
#include "s/gui/drawer/host/HostSystemColours.h"

namespace s::gui::drawer {

namespace {

struct Colours {
  Colour highlight = rgb(49, 106, 197);
  Colour highlightText = kWhite;
};

Colours& colours() {
  static Colours instance;
  return instance;
}

}  // namespace

Colour systemHighlightColour() { return colours().highlight; }
Colour systemHighlightTextColour() { return colours().highlightText; }

namespace host {

void setSystemHighlightColours(Colour highlight, Colour highlightText) {
  colours().highlight = highlight;
  colours().highlightText = highlightText;
}

void resetSystemColours() { colours() = Colours(); }

}  // namespace host

}  // namespace s::gui::drawer
