#pragma once

#include <windows.h>

// Input as a user gives it, through the system's input queue.
namespace support {

// A left press and release where the cursor is.
inline void clickHere() {
  INPUT presses[2] = {};
  presses[0].type = INPUT_MOUSE;
  presses[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  presses[1].type = INPUT_MOUSE;
  presses[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, presses, sizeof(INPUT));
}

// The cursor to a screen point and a click there. SetCursorPos moves the display's pointer as
// well: under Wine a move by input event alone leaves it behind, and a window appearing under
// it (an opening menu) brings the cursor back there.
inline void clickAtScreen(POINT at) {
  SetCursorPos(at.x, at.y);
  Sleep(50);
  clickHere();
}

// A key pressed and let go; it reaches the foreground window's thread.
inline void pressKey(WORD key) {
  INPUT strokes[2] = {};
  strokes[0].type = INPUT_KEYBOARD;
  strokes[0].ki.wVk = key;
  strokes[1].type = INPUT_KEYBOARD;
  strokes[1].ki.wVk = key;
  strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, strokes, sizeof(INPUT));
}

}  // namespace support
