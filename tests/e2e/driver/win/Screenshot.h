#pragma once

// What is on the screen inside a rectangle, as a 24-bit BMP file (a script turns it into PNG).

#include <windows.h>

#include <string>

namespace e2e {

bool saveScreenRect(const RECT& rect, const std::wstring& file, std::string* error);

}  // namespace e2e
