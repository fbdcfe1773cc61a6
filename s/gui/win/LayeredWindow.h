#pragma once

#include <windows.h>

#include <cstdint>

// Layered transparency of a top-level window, through SetLayeredWindowAttributes looked up at
// run time in user32.dll (once per process).
namespace s::gui::win::layered {

enum class Outcome {
  kApplied,
  // user32.dll could not be loaded: the user has been told, nothing changed.
  kNoUser32,
  // The entry point is missing: nothing changed.
  kNoEntryPoint,
};

// Takes window from transparency `from` to `to` percent (100 opaque): leaving 100 adds
// WS_EX_LAYERED, the alpha is set from `to`, reaching 100 removes the style again.
Outcome applyTransparency(HWND window, std::int32_t from, std::int32_t to);

}  // namespace s::gui::win::layered
