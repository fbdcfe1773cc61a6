#pragma once

#include <windows.h>

#include "s/gui/IMessageHook.h"

namespace s::gui::win {

// Puts a native control's messages (a BUTTON, a progress bar) through a hook the way the
// toolkit's class procedure does for its own windows: the pre-handler, then the control's own
// procedure, then the post-handler. The control keeps this record as a member (its address
// is the window's user data); WM_NCDESTROY, detach() and destruction put the control's
// procedure back. Move and copy are deleted.
class Subclass {
 public:
  Subclass() = default;
  ~Subclass() { detach(); }
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  // Creates a control of a platform class and subclasses it; null on failure. Call it on the
  // thread that is to own the control.
  HWND create(const wchar_t* className, DWORD extendedStyle, const wchar_t* text, DWORD style,
              int x, int y, int width, int height, HWND parent, s::gui::IMessageHook* hook);
  // Subclasses an existing control; the hook learns its handle at once.
  bool attach(HWND window, s::gui::IMessageHook* hook);
  // Restores the control's procedure (the hook hears no more).
  void detach();

  HWND window() const { return window_; }
  // The control's own processing of a message.
  LRESULT callOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;
  s::gui::IMessageHook* hook_ = nullptr;
};

}  // namespace s::gui::win
