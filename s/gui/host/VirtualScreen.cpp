#include "s/gui/VirtualScreen.h"

#include "s/gui/host/HostScreen.h"

namespace s::gui {

namespace {
constexpr ScreenRect kDefaultScreen{0, 0, 1280, 1024};
constexpr ScreenRect kDefaultWorkArea{0, 0, 1280, 984};
ScreenRect screen = kDefaultScreen;
ScreenRect area = kDefaultWorkArea;
}  // namespace

ScreenRect virtualScreen() { return screen; }
ScreenRect workArea() { return area; }

namespace host {
void setScreens(const ScreenRect& virtualScreen, const ScreenRect& workArea) {
  screen = virtualScreen;
  area = workArea;
}
void resetScreens() { setScreens(kDefaultScreen, kDefaultWorkArea); }
}  // namespace host

}  // namespace s::gui
