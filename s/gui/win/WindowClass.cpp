#include "s/gui/win/WindowClass.h"

#include <atomic>
#include <iterator>

#include "s/gui/PrivateMessage.h"
#include "s/gui/win/MessageParams.h"
#include "s/thread/Lock.h"

namespace s::gui::win {

namespace {

using s::gui::IMessageHook;
using s::gui::PrivateMessage;

std::atomic<bool> registered{false};

struct Reflection {
  int code;
  UINT message;
};

// WM_COMMAND notification codes and the private messages the sending control receives.
constexpr Reflection kCommandReflections[] = {
    {0, 32772}, {1, 32778}, {5, 32773}, {7, 32783}, {8, 32784}, {768, 32780},
};

// WM_NOTIFY codes and the private messages the notifying control receives.
constexpr Reflection kNotifyReflections[] = {
    {-551, 32779}, {-311, 32786}, {-310, 32785}, {-176, 32777}, {-115, 32775},
    {-109, 32776}, {-108, 32781}, {-101, 32774}, {-100, 32787}, {-12, 32782},
};

UINT reflectionOf(const Reflection* table, std::size_t count, int code) {
  for (std::size_t i = 0; i < count; ++i) {
    if (table[i].code == code) return table[i].message;
  }
  return 0;
}

// These notifications are answered 0 whatever the control said.
bool notifyAnswersZero(int code) { return code == -115 || code == -109 || code == -101; }

bool isControlColourMessage(UINT message) {
  return message == 25 || (message >= WM_CTLCOLOREDIT && message <= WM_CTLCOLORSTATIC);
}

LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* hook = static_cast<IMessageHook*>(create->lpCreateParams);
    if (hook != nullptr) {
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(hook));
      hook->nativeWindowCreated(window);
    }
  }
  IMessageHook* hook = WindowClass::hookOf(window);
  // LRESULT and intptr_t are the same size but not the same type on 32-bit builds.
  std::intptr_t result = 0;
  if (hook != nullptr && hook->preHandle(&result, message, wParam, lParam)) return result;
  result = WindowClass::defaultProcessing(window, message, wParam, lParam);
  // The pre-handler or the default processing may have destroyed the window.
  hook = WindowClass::hookOf(window);
  if (hook != nullptr) hook->postHandle(&result, message, wParam, lParam);
  return result;
}

}  // namespace

bool WindowClass::ensureRegistered() {
  if (registered.load(std::memory_order_acquire)) return true;
  static s::thread::Lock lock;
  s::thread::LockGuard guard(lock);
  if (registered.load(std::memory_order_relaxed)) return true;
  WNDCLASSEXW description{};
  description.cbSize = sizeof(description);
  description.style = kStyle;
  description.lpfnWndProc = &WindowClass::procedure;
  description.hInstance = GetModuleHandleW(nullptr);
  description.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  description.lpszClassName = kName;
  if (RegisterClassExW(&description) == 0) return false;
  registered.store(true, std::memory_order_release);
  return true;
}

bool WindowClass::isRegistered() { return registered.load(std::memory_order_acquire); }

HWND WindowClass::create(DWORD extendedStyle, const wchar_t* title, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, IMessageHook* hook) {
  if (!ensureRegistered()) return nullptr;
  return CreateWindowExW(extendedStyle, kName, title, style, x, y, width, height, parent, menu,
                         GetModuleHandleW(nullptr), hook);
}

IMessageHook* WindowClass::hookOf(HWND window) {
  if (window == nullptr) return nullptr;
  // Only a window that runs the class procedure keeps its hook in the user data.
  if (GetWindowLongPtrW(window, GWLP_WNDPROC) !=
      reinterpret_cast<LONG_PTR>(&WindowClass::procedure)) {
    return nullptr;
  }
  return reinterpret_cast<IMessageHook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT WindowClass::defaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      // A menu or accelerator command has no sender, so nothing is reflected.
      HWND control = windowOf(lParam);
      const UINT reflected =
          reflectionOf(kCommandReflections, std::size(kCommandReflections), hiWord(wParam));
      if (control != nullptr && control != window && reflected != 0) {
        return SendMessageW(control, reflected, wParam, lParam);
      }
      break;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header == nullptr || header->hwndFrom == nullptr || header->hwndFrom == window) break;
      const int code = static_cast<int>(header->code);
      const UINT reflected = reflectionOf(kNotifyReflections, std::size(kNotifyReflections), code);
      if (reflected == 0) break;
      const LRESULT answer = SendMessageW(header->hwndFrom, reflected, wParam, lParam);
      return notifyAnswersZero(code) ? 0 : answer;
    }
    case WM_HSCROLL: {
      HWND control = windowOf(lParam);
      if (control != nullptr && control != window) {
        return SendMessageW(control, WM_HSCROLL, wParam, lParam);
      }
      break;
    }
    case WM_SETCURSOR: {
      const LRESULT answer = DefWindowProcW(window, message, wParam, lParam);
      if (answer != 0) return answer;
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    }
    case WM_INITMENU:
    case WM_LBUTTONDOWN:
      SendMessageW(window, WM_ACTIVATE, WA_CLICKACTIVE, 0);
      break;
    case WM_INITMENUPOPUP: {
      // The menu's data names the window that owns it (the toolkit's menus set it).
      MENUINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = MIM_MENUDATA;
      if (GetMenuInfo(reinterpret_cast<HMENU>(wParam), &info) != 0) {
        HWND owner = reinterpret_cast<HWND>(info.dwMenuData);
        if (owner != nullptr && owner != window && IsWindow(owner) != 0) {
          return SendMessageW(owner, WM_INITMENUPOPUP, wParam, lParam);
        }
      }
      break;
    }
    case PrivateMessage::kDefaultClose:
      return DefWindowProcW(window, WM_CLOSE, 0, 0);
    default:
      if (isControlColourMessage(message)) {
        HWND control = windowOf(lParam);
        if (control != nullptr && control != window) {
          const LRESULT brush =
              SendMessageW(control, PrivateMessage::kReflectedColour, wParam, lParam);
          // A control that does not answer gets the platform's colours, not a null brush.
          if (brush != 0) return brush;
        }
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK WindowClass::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  try {
    result = dispatch(window, message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into the system's message dispatch.
    result = 0;
  }
  if (message == WM_NCDESTROY) {
    IMessageHook* hook = hookOf(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    try {
      if (hook != nullptr) hook->nativeWindowDestroyed();
    } catch (...) {
    }
  }
  return result;
}

}  // namespace s::gui::win
