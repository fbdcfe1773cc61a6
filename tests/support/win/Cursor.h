#pragma once

#include <windows.h>

// The one cursor, moved as a hand moves it: through the system's input queue.
namespace support {

// Where the system holds the cursor: the point input is handed out at and a message posted
// now carries. Wine's GetCursorPos answers with the display's pointer once the held place has
// not changed for a while, and the two can differ.
POINT heldCursorPos();

// Moves the cursor to a screen point and waits until the system holds it there steadily and, when
// top is given, the window under it belongs to that top-level window (the desktop window for
// bare desktop). False when that does not come about within a few seconds.
[[nodiscard]] bool putCursorAt(POINT at, HWND top = nullptr);

// A left press and release where the cursor is held.
void pressLeftButton();

}  // namespace support
