#pragma once

// Text as the driver reads it from command lines and scripts (UTF-8 with a few escapes) and as
// it prints what it finds on screen (UTF-16 from windows, escaped so one value stays one line).

#include <string>

namespace e2e {

std::u16string fromUtf8(const std::string& text);
std::string toUtf8(const std::u16string& text);

// Reverses escapeText: \\ \" \n \r \t and \uXXXX. Any other backslash stays as it is, so
// registry paths and Windows file names need no doubling. False on a broken \u escape.
bool unescapeText(const std::string& text, std::u16string* out);

// Quotes a text for output: backslash, quote and control characters escaped, the rest UTF-8.
std::string escapeText(const std::u16string& text);

// The text a user reads on a control: "&Open" shows as "Open", "&&" as "&".
std::u16string withoutMnemonics(const std::u16string& text);

// A menu item's label without its accelerator column ("Open\tCtrl+O" is "Open").
std::u16string menuLabel(const std::u16string& text);

// ASCII case folding, enough for window class and file names.
bool equalsIgnoreCase(const std::u16string& a, const std::u16string& b);

}  // namespace e2e
