#include "s/gui/win/LayeredWindow.h"

#include "s/gui/Transparency.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/os/win/EntryPoint.h"
#include "s/thread/Lock.h"

namespace s::gui::win::layered {

namespace {

using SetAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
constexpr DWORD kLwaAlpha = 2;
constexpr LONG_PTR kLayered = 0x00080000;

struct User32 {
  bool tried = false;
  HMODULE module = nullptr;
  DWORD loadError = 0;
  SetAttributes setAttributes = nullptr;
};

s::thread::Lock& lookupLock() {
  static s::thread::Lock lock;
  return lock;
}

const User32& user32() {
  static User32 found;
  s::thread::LockGuard guard(lookupLock());
  if (!found.tried) {
    found.tried = true;
    found.module = LoadLibraryW(L"user32.dll");
    if (found.module == nullptr) {
      found.loadError = GetLastError();
    } else {
      found.setAttributes =
          s::system::os::win::entryPoint<SetAttributes>(found.module, "SetLayeredWindowAttributes");
    }
  }
  return found;
}

void tellNoUser32(HWND window, DWORD error) {
  auto text = s::str::strbuffer::newStr(u"Failed to Load user32Dll.dll!!\n");
  text->appendText(u"Error Code - ").appendUInt32(error);
  MessageBoxW(window, reinterpret_cast<const wchar_t*>(text->text()), L"Error!",
              MB_OK | MB_ICONEXCLAMATION);
}

void setLayeredStyle(HWND window, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR wanted = on ? (style | kLayered) : (style & ~kLayered);
  if (wanted != style) SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

}  // namespace

Outcome applyTransparency(HWND window, std::int32_t from, std::int32_t to) {
  const User32& api = user32();
  if (api.module == nullptr) {
    tellNoUser32(window, api.loadError);
    return Outcome::kNoUser32;
  }
  // Without the entry point a layered window would never be drawn: the style stays off.
  if (api.setAttributes == nullptr) return Outcome::kNoEntryPoint;
  if (from == kOpaquePercent && to != kOpaquePercent) setLayeredStyle(window, true);
  api.setAttributes(window, 0, alphaOfPercent(to), kLwaAlpha);
  if (to == kOpaquePercent && from != kOpaquePercent) setLayeredStyle(window, false);
  return Outcome::kApplied;
}

}  // namespace s::gui::win::layered
