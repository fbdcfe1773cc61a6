#pragma once

#include <windows.h>

#include "support/win/TestWindow.h"

// Input as a user gives it, through the system's input queue.
namespace support {

// The cursor to a screen point, with a move event so that the window under it hears of it.
inline void moveCursorTo(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &move, sizeof(INPUT));
}

// A left press and release where the cursor is.
inline void clickHere() {
  INPUT presses[2] = {};
  presses[0].type = INPUT_MOUSE;
  presses[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  presses[1].type = INPUT_MOUSE;
  presses[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, presses, sizeof(INPUT));
}

// A left click at a screen point, the cursor there first as a hand's would be.
inline void clickAt(TestWindow& window, POINT at) {
  SetCursorPos(at.x, at.y);
  window.settle();
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
