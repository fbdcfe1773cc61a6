#pragma once

namespace s::gui {

// A component's native window as portable code sees it: an HWND on Windows, a token of the
// recording stand-in elsewhere. Null when the component has none.
using NativeWindow = void*;

}  // namespace s::gui
