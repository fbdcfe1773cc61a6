// The process entry: the application object does everything in its start-up hook, and the
// process ends when the hook returns.
#include <windows.h>

#include "app/win/OmbrelApp.h"

namespace {

COmbrelApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  theApp.initInstance();
  return theApp.exitCode();
}
