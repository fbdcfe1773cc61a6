#pragma once

#include <windows.h>

namespace support {

// Runs fn(argument) on the thread that owns window and returns when it is done. It runs inside
// one sent message, so nothing from that thread's queue (a mouse move the system made up after
// a window moved, say) comes in between the messages fn sends to its own windows. False when
// the thread could not be reached.
[[nodiscard]] bool runOnThreadOf(HWND window, void (*fn)(void*), void* argument);

}  // namespace support
