#include "s/gui/INativeWindows.h"
#include "s/gui/RecordingWindows.h"

namespace s::gui {

// Without a platform, windows exist only where someone makes a top-level token.
INativeWindows& platformNativeWindows() {
  static RecordingWindows* const windows = new RecordingWindows();
  return *windows;
}

}  // namespace s::gui
