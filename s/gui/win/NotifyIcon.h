#pragma once

#include <windows.h>

#include <cstdint>

// The window's icon in the notification area: one icon (id 0) per window, whose mouse messages
// come back to the window as message 1026.
namespace s::gui::win::notifyicon {

constexpr UINT kCallbackMessage = 1026;

// NIM_ADD with the icon and the tip; false when the shell refused.
bool add(HWND window, HICON icon, const wchar_t* tip);
// NIM_MODIFY of the icon and the tip.
bool modify(HWND window, HICON icon, const wchar_t* tip);
// NIM_MODIFY of the tip only.
bool updateTip(HWND window, const wchar_t* tip);
// NIM_DELETE.
bool remove(HWND window);

// The structure size handed to the shell: the Windows XP layout (952 bytes in a 32-bit
// program), which every later system accepts too.
std::uint32_t dataSize();

}  // namespace s::gui::win::notifyicon
