// Shows texts of the language document in a menu bar and in a message box the way the tool
// window will (plain Win32 controls, left-to-right layout), so that their reading order and
// letters can be looked at on screen: tests/lang/probe/screenshots.sh photographs it.
//
//   lang_probe <engName> menu [plain]
//   lang_probe <engName> message <entry id> [plain] [rtl]
//
// "menu" opens the About menu from its title; "message" shows the entry's text in a message box
// (with "rtl", a right-to-left reading box: Windows honours it, Wine does not). "plain" takes
// out the direction marks the language pack adds, to show what they change. Once
// the menu or the box is up it prints "ready"; it closes whatever it opened after a few
// seconds, so it never waits for a person.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "s/lang/Lang.h"
#include "support/LangDocument.h"

namespace {

constexpr UINT_PTR kOpenTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT_PTR kReadyTimer = 3;
constexpr UINT kShowMessage = WM_APP + 1;
constexpr UINT kOpenDelayMs = 500;
constexpr UINT kReadyDelayMs = 1500;
constexpr UINT kCloseDelayMs = 8000;

struct Probe {
  s::lang::Localizer* localizer = nullptr;
  bool plain = false;
  bool rightToLeftReading = false;
  bool message = false;
  std::int32_t messageId = 0;
};

Probe gProbe;

std::wstring textOf(std::int32_t id) {
  std::wstring text;
  for (const char16_t* unit = s::lang::textOf(*gProbe.localizer, id); *unit != 0; ++unit) {
    if (gProbe.plain && (*unit == u'\u202B' || *unit == u'\u202C')) continue;
    text.push_back(static_cast<wchar_t>(*unit));
  }
  return text;
}

void appendItem(HMENU menu, UINT id, std::int32_t entry, bool checked = false) {
  const std::wstring text = textOf(entry);
  ::AppendMenuW(menu, MF_STRING | (checked ? MF_CHECKED : 0u), id, text.c_str());
}

void appendPopup(HMENU bar, HMENU popup, std::int32_t entry) {
  const std::wstring text = textOf(entry);
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
}

// The tool window's menu bar: View, Language, About, with the About menu's items in its order.
HMENU buildMenuBar() {
  HMENU bar = ::CreateMenu();
  HMENU view = ::CreatePopupMenu();
  appendItem(view, 100, 609100, true);
  appendItem(view, 120, 609300, true);
  appendItem(view, 125, 609350, true);
  HMENU language = ::CreatePopupMenu();
  for (std::uint32_t i = 0; i < gProbe.localizer->packCount(); ++i) {
    const char16_t* name = gProbe.localizer->packAt(i)->trueName().text();
    ::AppendMenuW(language, MF_STRING, i, reinterpret_cast<const wchar_t*>(name));
  }
  ::AppendMenuW(language, MF_SEPARATOR, 0, nullptr);
  appendItem(language, gProbe.localizer->packCount(), 700001);
  HMENU about = ::CreatePopupMenu();
  appendItem(about, 10000, 701100);
  ::AppendMenuW(about, MF_SEPARATOR, 0, nullptr);
  appendItem(about, 10100, 701200);
  appendItem(about, 10200, 701300);
  ::AppendMenuW(about, MF_SEPARATOR, 0, nullptr);
  appendItem(about, 10900, 107000);
  ::AppendMenuW(about, MF_SEPARATOR, 0, nullptr);
  appendItem(about, 10950, 108100);
  appendPopup(bar, view, 609000);
  appendPopup(bar, language, 700000);
  appendPopup(bar, about, 701000);
  return bar;
}

// The tool window's two buttons and status text, in the font message boxes use.
void addControls(HWND window, HFONT font) {
  struct Control {
    const wchar_t* className;
    std::int32_t entry;
    int y;
    int height;
    DWORD style;
  };
  const Control controls[] = {
      {L"BUTTON", 1002000, 12, 40, BS_PUSHBUTTON},
      {L"BUTTON", 1003000, 54, 40, BS_PUSHBUTTON | WS_DISABLED},
      {L"STATIC", 609450, 166, 16, SS_LEFT},
  };
  RECT client{};
  ::GetClientRect(window, &client);
  for (const Control& control : controls) {
    const std::wstring text = textOf(control.entry);
    HWND child = ::CreateWindowExW(
        0, control.className, text.c_str(), WS_CHILD | WS_VISIBLE | control.style, 8, control.y,
        client.right - 16, control.height, window, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

BOOL CALLBACK closeDialog(HWND window, LPARAM) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  if (std::wstring(className) == L"#32770") ::PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

// Opens the About menu as a click on its title does.
void openAboutMenu(HWND window) {
  HMENU bar = ::GetMenu(window);
  RECT title{};
  if (!::GetMenuItemRect(window, bar, 2, &title)) return;
  ::PostMessageW(window, WM_NCLBUTTONDOWN, HTMENU,
                 MAKELPARAM((title.left + title.right) / 2, (title.top + title.bottom) / 2));
}

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kOpenTimer) {
        ::KillTimer(window, kOpenTimer);
        if (gProbe.message) {
          ::PostMessageW(window, kShowMessage, 0, 0);
        } else {
          openAboutMenu(window);
        }
        ::SetTimer(window, kReadyTimer, kReadyDelayMs, nullptr);
      } else if (wParam == kReadyTimer) {
        // The photographer waits for this line: the menu or the box is up and painted.
        ::KillTimer(window, kReadyTimer);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
      } else if (wParam == kCloseTimer) {
        ::KillTimer(window, kCloseTimer);
        ::EndMenu();
        ::EnumThreadWindows(::GetCurrentThreadId(), closeDialog, 0);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
      }
      return 0;
    case kShowMessage: {
      const std::wstring text = textOf(gProbe.messageId);
      const bool success = gProbe.messageId == 1012000 || gProbe.messageId == 1013000;
      ::MessageBoxW(window, text.c_str(), L"VexoOmbrel.exe",
                    MB_OK | (success ? MB_ICONINFORMATION : MB_ICONWARNING) |
                        (gProbe.rightToLeftReading ? MB_RTLREADING | MB_RIGHT : 0u));
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

std::u16string widen(const wchar_t* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring mode = argv[2];
  gProbe.message = mode == L"message";
  if (!gProbe.message && mode != L"menu") return 2;
  int next = 3;
  if (gProbe.message) {
    if (argc < 4) return 2;
    gProbe.messageId = static_cast<std::int32_t>(std::wcstol(argv[3], nullptr, 10));
    next = 4;
  }
  for (int i = next; i < argc; ++i) {
    const std::wstring option = argv[i];
    if (option == L"plain") gProbe.plain = true;
    if (option == L"rtl") gProbe.rightToLeftReading = true;
  }

  auto localizer =
      s::lang::createLocalizerFromUtf8(support::langDocumentBytes(), support::langDocumentSize());
  s::lang::selectLanguage(*localizer, widen(argv[1]).c_str());
  gProbe.localizer = localizer.get();

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = probeProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VexoLangProbe";
  if (::RegisterClassW(&windowClass) == 0) return 1;
  const std::wstring title = textOf(300000);
  HWND window =
      ::CreateWindowExW(0, windowClass.lpszClassName, title.c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 8, 8, 320, 240,
                        nullptr, buildMenuBar(), windowClass.hInstance, nullptr);
  if (window == nullptr) return 1;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);
  addControls(window, font);
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
  ::SetTimer(window, kOpenTimer, kOpenDelayMs, nullptr);
  ::SetTimer(window, kCloseTimer, kCloseDelayMs, nullptr);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  ::DeleteObject(font);
  return 0;
}
