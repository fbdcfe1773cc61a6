#pragma once

#include <windows.h>

#include <cstdint>

#include "s/gui/ComponentBase.h"

namespace s::gui::win {

// What the controls' painting shares.

// The HWND of a component's native window, null without one.
inline HWND handleOf(const s::gui::IComponent* component) {
  return component != nullptr ? static_cast<HWND>(component->nativeWindow()) : nullptr;
}

// Fills area (client coordinates of component's window) with what lies behind the control: the
// piece of the parent's background picture when the control is transparent and the parent
// keeps one, else the first own colour up the tree, else the control's own colour.
void paintBackground(HDC dc, const s::gui::ComponentBase& component, const RECT& area);

// One solid colour, as the drawers fill: an opaque text-out of no text.
void fillSolid(HDC dc, const RECT& area, COLORREF colour);

// Whether a client-coordinate point packed in lParam lies in window's client area.
bool isInsideClient(HWND window, std::intptr_t lParam);
// Whether the cursor is over window's client area now.
bool isCursorInside(HWND window);

// Calls paint(dc, client) between BeginPaint and EndPaint of window.
template <class Paint>
void paintWindow(HWND window, Paint paint) {
  PAINTSTRUCT paintInfo;
  HDC dc = BeginPaint(window, &paintInfo);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(window, &client);
  paint(dc, client);
  EndPaint(window, &paintInfo);
}

}  // namespace s::gui::win
