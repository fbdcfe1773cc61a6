#include "s/gui/win/NotifyIcon.h"

#include <cstddef>

#include "s/gui/win/Shell.h"

namespace s::gui::win::notifyicon {

namespace {

constexpr UINT kIconId = 0;

// Up to the item GUID, the last member Windows XP knows; later members (the balloon icon) are
// left out so that XP's shell accepts the size.
constexpr std::size_t kXpSize = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);
#if defined(_WIN64)
static_assert(kXpSize % 8 == 0, "pointer-aligned end expected");
#else
static_assert(kXpSize == 952, "the Windows XP NOTIFYICONDATAW is 952 bytes");
#endif

NOTIFYICONDATAW dataFor(HWND window, UINT flags) {
  NOTIFYICONDATAW data{};
  data.cbSize = static_cast<DWORD>(kXpSize);
  data.hWnd = window;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  return data;
}

void copyTip(NOTIFYICONDATAW& data, const wchar_t* tip) {
  if (tip == nullptr) return;
  constexpr std::size_t room = sizeof data.szTip / sizeof data.szTip[0];
  std::size_t i = 0;
  for (; i + 1 < room && tip[i] != 0; ++i) data.szTip[i] = tip[i];
  data.szTip[i] = 0;
}

bool send(DWORD action, HWND window, UINT flags, HICON icon, const wchar_t* tip) {
  if (window == nullptr) return false;
  NOTIFYICONDATAW data = dataFor(window, flags);
  data.hIcon = icon;
  copyTip(data, tip);
  return shell::notifyIcon(action, &data);
}

}  // namespace

bool add(HWND window, HICON icon, const wchar_t* tip) {
  return send(NIM_ADD, window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, tip);
}

bool modify(HWND window, HICON icon, const wchar_t* tip) {
  return send(NIM_MODIFY, window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, tip);
}

bool updateTip(HWND window, const wchar_t* tip) {
  return send(NIM_MODIFY, window, NIF_TIP, nullptr, tip);
}

bool remove(HWND window) { return send(NIM_DELETE, window, 0, nullptr, nullptr); }

std::uint32_t dataSize() { return static_cast<std::uint32_t>(kXpSize); }

}  // namespace s::gui::win::notifyicon
