#pragma once

#include <cstdint>

// The program's application class. Its instance-initialisation hook is the whole of the
// program's life: the platform, the application object and the main window's binding, then
// the command-line mode, or one copy only, the system test and the tool window.
class COmbrelApp {
 public:
  // What the process ends with when the hook is done.
  static constexpr int kExitDone = 0;
  // The application object could not open its settings store.
  static constexpr int kExitNoSettings = 100;

  // Runs start-up to its end; false in every case, so no message loop follows.
  bool initInstance();
  // The process exit code once initInstance has returned: the command-line mode's code, or
  // kExitDone.
  int exitCode() const { return exitCode_; }

 private:
  int exitCode_ = kExitDone;
};
