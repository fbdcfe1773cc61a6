#pragma once

#include "s/gui/INativeWindows.h"
#include "s/gui/RecordingWindows.h"

namespace support {

// Puts a fresh recording seam in place for a test's lifetime (in both builds), so that
// components get token windows and every native call is logged. Make and release every
// component of the test inside its lifetime.
class RecordedWindows {
 public:
  RecordedWindows() : before_(s::gui::setNativeWindows(&windows_)) {}
  ~RecordedWindows() { s::gui::setNativeWindows(before_); }
  RecordedWindows(const RecordedWindows&) = delete;
  RecordedWindows& operator=(const RecordedWindows&) = delete;

  s::gui::RecordingWindows* operator->() { return &windows_; }
  s::gui::RecordingWindows& get() { return windows_; }

 private:
  s::gui::RecordingWindows windows_;
  s::gui::INativeWindows* before_;
};

}  // namespace support
