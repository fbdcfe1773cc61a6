#pragma once

#include <windows.h>

#include <cstdint>

namespace s::gui::win {

// Decoding of message parameters, in place of the windowsx.h macros.

inline std::uint16_t loWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value); }
inline std::uint16_t hiWord(std::uintptr_t value) {
  return static_cast<std::uint16_t>(value >> 16);
}
// The signed x and y packed into an lParam (screen or client coordinates).
inline std::int32_t pointX(std::intptr_t lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam));
}
inline std::int32_t pointY(std::intptr_t lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam >> 16));
}
// The wheel turn in WM_MOUSEWHEEL's wParam: positive forward, in units of WHEEL_DELTA.
inline std::int32_t wheelDelta(std::uintptr_t wParam) {
  return static_cast<std::int16_t>(hiWord(wParam));
}
inline HWND windowOf(std::intptr_t lParam) { return reinterpret_cast<HWND>(lParam); }
inline HWND windowOf(void* native) { return static_cast<HWND>(native); }

}  // namespace s::gui::win
