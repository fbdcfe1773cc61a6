#pragma once

#include <cstdint>

#include "s/gui/NativeWindow.h"

namespace s::gui {

class IComponent;

// The native window operations the portable component code needs, and nothing more. The
// Windows side calls the platform (s/gui/win/NativeWindows.h); the recording side
// (s/gui/RecordingWindows.h) logs every call, hands out tokens as windows and delivers messages
// straight to the components, so that layout and tree operations can be followed anywhere.
class INativeWindows {
 public:
  // SetWindowPos flags the component code uses.
  static constexpr std::uint32_t kNoSize = 0x0001;
  static constexpr std::uint32_t kNoMove = 0x0002;
  static constexpr std::uint32_t kNoZOrder = 0x0004;
  static constexpr std::uint32_t kShowWindow = 0x0040;
  // Move (69), size (70), bounds (68).
  static constexpr std::uint32_t kMoveFlags = kNoSize | kNoZOrder | kShowWindow;
  static constexpr std::uint32_t kSizeFlags = kNoMove | kNoZOrder | kShowWindow;
  static constexpr std::uint32_t kBoundsFlags = kNoZOrder | kShowWindow;

  // System colour indexes (GetSysColor).
  static constexpr std::int32_t kButtonFaceColour = 15;
  static constexpr std::int32_t kInactiveCaptionTextColour = 19;

  virtual ~INativeWindows() = default;

  // Creates a toolkit window (the shared class) as a child of parent for component, at the
  // component's bounds plus offset, visible when the component is; the component is its
  // message hook. Null when creation failed.
  virtual NativeWindow createPanel(IComponent* component, NativeWindow parent) = 0;
  virtual void destroy(NativeWindow window) = 0;
  // Sends message with wParam = argument to window and waits for the window's thread to
  // handle it; the answer is returned.
  virtual std::intptr_t send(NativeWindow window, std::uint32_t message, IComponent* argument) = 0;
  // SetWindowPos without z-order change.
  virtual void place(NativeWindow window, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, std::uint32_t flags) = 0;
  virtual void show(NativeWindow window, bool visible) = 0;
  virtual void enable(NativeWindow window, bool on) = 0;
  virtual bool isEnabled(NativeWindow window) = 0;
  // Invalidates the window and its children: the whole client area when all is set, else the
  // rectangle.
  virtual void redraw(NativeWindow window, bool all, std::int32_t x, std::int32_t y,
                      std::int32_t width, std::int32_t height) = 0;
  // Screen position of the client area's origin.
  virtual void clientOrigin(NativeWindow window, std::int32_t* x, std::int32_t* y) = 0;
  // Whether files dropped from the shell reach the window.
  virtual void acceptFiles(NativeWindow window, bool accept) = 0;
  virtual std::uint32_t systemColour(std::int32_t index) = 0;
};

// The seam in use: the platform's, unless a test has put another in place.
INativeWindows& nativeWindows();
// Puts windows in place (null: the platform's again) and returns the one before. Components
// must be made and released under the same seam.
INativeWindows* setNativeWindows(INativeWindows* windows);
// The platform's own side (defined in win/ and host/).
INativeWindows& platformNativeWindows();

}  // namespace s::gui
