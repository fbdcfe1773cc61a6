#pragma once

namespace s::gui {

// A native menu as portable code sees it: an HMENU on Windows, a token of the recording
// stand-in elsewhere.
using NativeMenu = void*;

}  // namespace s::gui
