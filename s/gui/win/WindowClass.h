#pragma once

#include <windows.h>

#include "s/gui/IMessageHook.h"

namespace s::gui::win {

// The one window class of every toolkit window, "LumeniWindowClass", and its class
// procedure. A window made with create() hands each message to its hook: the pre-handler,
// then (unless it handled the message) the class's default processing, then the
// post-handler. The default processing reflects control notifications to the controls that
// sent them (as private messages) and fixes a few platform defaults.
class WindowClass {
 public:
  static constexpr const wchar_t* kName = L"LumeniWindowClass";
  static constexpr UINT kStyle = CS_GLOBALCLASS;

  // Registers the class once per process (under a lock); true when it is registered.
  static bool ensureRegistered();
  static bool isRegistered();

  // Creates a window of the class (registering it first) whose messages go to hook, which
  // learns the handle at WM_NCCREATE. Null on failure. Call it on the thread that is to own
  // the window.
  static HWND create(DWORD extendedStyle, const wchar_t* title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, s::gui::IMessageHook* hook);

  // The hook of a window of the class, null for any other window.
  static s::gui::IMessageHook* hookOf(HWND window);

  // What a message not handled by the pre-handler gets: reflection and the fixes, then
  // DefWindowProcW.
  static LRESULT defaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace s::gui::win
