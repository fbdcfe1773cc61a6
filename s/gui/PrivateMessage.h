#pragma once

#include <cstdint>

namespace s::gui {

// The toolkit's own window messages. Reflected messages reach a control with the parameters of
// the message its parent received; the whole reflection table is the class procedure's
// (s/gui/win/WindowClass.cpp).
struct PrivateMessage {
  // Ask a window to close the way WM_CLOSE does by default (it is destroyed).
  static constexpr std::uint32_t kDefaultClose = 32769;
  // wParam is a component: run its set-parent operation with the receiver as parent, on the
  // receiver's thread (that is how child windows get created on the UI thread).
  static constexpr std::uint32_t kSetParentOf = 32770;
  // The receiver lets go of its native window and destroys it on its own thread.
  static constexpr std::uint32_t kDetach = 1039;

  // A control-colour message (WM_CTLCOLOR*) reflected to the control; it answers a brush.
  static constexpr std::uint32_t kReflectedColour = 32771;
  // WM_COMMAND with notification code 0 (BN_CLICKED) reflected to the control.
  static constexpr std::uint32_t kReflectedClicked = 32772;
  // WM_COMMAND with notification code 5 (BN_DOUBLECLICKED) reflected to the control.
  static constexpr std::uint32_t kReflectedDoubleClicked = 32773;
};

}  // namespace s::gui
