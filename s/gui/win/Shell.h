#pragma once

#include <windows.h>

#include <shellapi.h>

// The shell functions the toolkit uses, taken from shell32 the first time one of them is called.
// The library, with what it brings in, made a tenth of the program's start-up under Wine, and the
// tool window needs it only to open a web page. Each answers as its shell function does, or as
// that function's failure when the library cannot be loaded.
namespace s::gui::win::shell {

void dragAcceptFiles(HWND window, bool accept);
// With index 0xFFFFFFFF the number of files dropped.
UINT dragQueryFile(HDROP drop, UINT index, wchar_t* path, UINT room);
void dragFinish(HDROP drop);
bool shellExecuteEx(SHELLEXECUTEINFOW* info);
bool notifyIcon(DWORD action, NOTIFYICONDATAW* data);

}  // namespace s::gui::win::shell
