#pragma once

// A user's mouse and keyboard, aimed at another process's windows.

#include <windows.h>

#include <string>

#include "../Step.h"

namespace e2e {

// kPost puts the press and release in the queue of the window under the point (found by the
// same hit test the system makes, transparent parts and disabled controls included), with the
// cursor moved there first. kSend goes through the system's input queue like a physical mouse:
// the most faithful, but any window that covers the point, another test's included, takes the
// click.
enum class InputMode { kPost, kSend };

bool inputModeOf(const Step& step, InputMode fallback, InputMode* mode, std::string* error);

// A left press and release at a point of the screen inside top (a top-level window). report
// says which window took it and how.
bool clickAt(HWND top, POINT screen, InputMode mode, std::string* report, std::string* error);

// A key press and release: posted to target, or typed through the input queue with top brought
// to the front.
bool pressKey(HWND top, HWND target, UINT vk, InputMode mode, std::string* error);
bool virtualKeyOf(const std::string& name, UINT* vk);

// Where the user's cursor must be for the press to land: moves it and checks it got there.
bool moveCursor(POINT screen, std::string* error);

}  // namespace e2e
