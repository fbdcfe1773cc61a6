#include <windows.h>

#include "s/gui/Box.h"
#include "s/gui/drawer/ImageSurface.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/HoverCapture.h"
#include "s/gui/win/MessageParams.h"
#include "s/gui/win/Shell.h"
#include "s/image/BufferedImage.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

// The box's window messages: painting, hit testing, hover, clicks, the wheel and dropped
// files. The portable part (32770, 1039) is ContainerBase's.
namespace s::gui::win {

namespace {

HWND handleOf(const s::gui::IComponent* component) {
  return component != nullptr ? windowOf(component->nativeWindow()) : nullptr;
}

// The child whose native window is window, null when none is.
s::gui::IComponent* childWithWindow(const Box& box, HWND window) {
  for (std::uint32_t i = 0; i < box.childCount(); ++i) {
    if (handleOf(box.childAt(i)) == window) return box.childAt(i);
  }
  return nullptr;
}

}  // namespace

void Box::applyHover(std::uint32_t actions) {
  applyHoverCapture(windowOf(nativeWindow()), actions);
  if ((actions & HoverTracker::kRepaint) != 0) redraw();
}

bool Box::handleMessage(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
  HWND window = windowOf(nativeWindow());
  switch (message) {
    case WM_PAINT:
      paint();
      *result = 0;
      return true;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr || childWithWindow(*this, item->hwndItem) == nullptr) return false;
      *result = SendMessageW(item->hwndItem, message, wParam, lParam);
      return true;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (item == nullptr) return false;
      HWND control = GetDlgItem(window, static_cast<int>(item->CtlID));
      if (control == nullptr || childWithWindow(*this, control) == nullptr) return false;
      *result = SendMessageW(control, message, wParam, lParam);
      return true;
    }
    case WM_ERASEBKGND:
      // WM_PAINT fills everything; erasing first would only flicker.
      *result = 1;
      return true;
    case WM_KEYDOWN: {
      HWND parentWindow = handleOf(parent());
      if (parentWindow == nullptr) return false;
      *result = SendMessageW(parentWindow, message, wParam, lParam);
      return true;
    }
    case WM_MOUSEMOVE: {
      if (mouseTransparent_) return false;
      RECT client;
      GetClientRect(window, &client);
      const POINT at{pointX(lParam), pointY(lParam)};
      applyHover(hover_.moved(PtInRect(&client, at) != 0,
                              (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0));
      return false;
    }
    case WM_TIMER: {
      std::uint32_t actions = 0;
      if (!hoverWatchTimer(window, hover_, wParam, &actions)) return false;
      applyHover(actions);
      *result = 0;
      return true;
    }
    case WM_CAPTURECHANGED:
      // Someone else took the mouse: the box no longer knows where it is.
      if (windowOf(lParam) != window) applyHover(hover_.captureLost());
      return false;
    case WM_LBUTTONDOWN:
      if (listeners_[kClick - 1].count() == 0) return false;
      fire(kClick);
      *result = 0;
      return true;
    case WM_MOUSEWHEEL: {
      if (handlingWheel_) return false;
      const std::int32_t x = pointX(lParam);
      const std::int32_t y = pointY(lParam);
      if (!contains(x, y)) return false;
      handlingWheel_ = true;
      bool taken = false;
      for (std::uint32_t i = 0; i < childCount() && !taken; ++i) {
        s::gui::IComponent* child = childAt(i);
        if (child->acceptsWheel() && child->isShown() && child->contains(x, y)) {
          taken = SendMessageW(handleOf(child), message, wParam, lParam) == 0;
        }
      }
      if (!taken) {
        if (listeners_[kWheel - 1].count() > 0) {
          UINT lines = 3;
          SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
          const auto step = static_cast<std::int32_t>(lines);
          wheelStep_ = wheelDelta(wParam) < 0 ? -step : step;
          fire(kWheel);
        } else if (HWND owner = handleOf(owningWindow()); owner != nullptr && owner != window) {
          SendMessageW(owner, message, wParam, lParam);
        }
      }
      handlingWheel_ = false;
      *result = 0;
      return true;
    }
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wParam);
      {
        s::thread::LockGuard guard(dropLock_);
        droppedFiles_->clear();
        const UINT count = shell::dragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
          wchar_t path[MAX_PATH + 1] = {};
          if (shell::dragQueryFile(drop, i, path, MAX_PATH + 1) == 0) continue;
          droppedFiles_->add(s::str::strbuffer::newStr(reinterpret_cast<const char16_t*>(path)));
        }
        fire(kFilesDropped);
      }
      shell::dragFinish(drop);
      *result = 0;
      return true;
    }
    default:
      return false;
  }
}

void Box::afterDefault(std::intptr_t* result, std::uint32_t message, std::uintptr_t,
                       std::intptr_t lParam) {
  if (message == WM_NCHITTEST) {
    *result = hitTest(*result, pointX(lParam), pointY(lParam));
  } else if (message == WM_GETDLGCODE) {
    *result |= DLGC_WANTALLKEYS;
  }
}

void Box::paint() {
  HWND window = windowOf(nativeWindow());
  PAINTSTRUCT paintInfo;
  HDC dc = BeginPaint(window, &paintInfo);
  if (dc == nullptr) return;
  paintedByListener_ = false;
  paintContext_ = dc;
  fire(kPaint);
  paintContext_ = nullptr;
  if (!paintedByListener_) {
    // Children paint themselves; painting under them would flicker.
    for (std::uint32_t i = 0; i < childCount(); ++i) {
      HWND child = handleOf(childAt(i));
      if (child == nullptr || IsWindowVisible(child) == 0) continue;
      RECT area;
      GetWindowRect(child, &area);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
      ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    RECT client;
    GetClientRect(window, &client);
    s::base::Owned<s::image::win::BufferedImage> picture;
    if (paintsThroughPicture()) {
      picture = s::thread::obtain<s::image::win::BufferedImage>();
      if (!picture->create(client.right, client.bottom)) picture.reset();
    }
    if (picture) {
      // Composed off screen and copied once, so the border never flickers over the fill.
      s::gui::drawer::ImageSurface surface(*picture);
      paintBackground(surface, client.right, client.bottom);
      picture->drawTo(dc, 0, 0, client.right, client.bottom, false);
    } else {
      s::gui::drawer::win::DcSurface surface(dc);
      paintBackground(surface, client.right, client.bottom);
    }
  }
  EndPaint(window, &paintInfo);
}

}  // namespace s::gui::win
