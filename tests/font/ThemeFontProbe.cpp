// A new font's description in a process that Wine tells another Windows version
// (tests/support/run-as-version.sh): from 6.0 on, the theme's caption font when the visual-styles
// library has one, else the plain default. The version the process must see comes in
// VEXO_EXPECT_VERSION ("6.0", "5.1").
#include <doctest/doctest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "s/base/Owned.h"
#include "s/gui/win/Font.h"
#include "s/system/os/win/EntryPoint.h"
#include "s/thread/Pool.h"

namespace {

using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
using GetThemeSysFontFn = HRESULT(WINAPI*)(HANDLE, int, LOGFONTW*);
using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);

// The theme's caption font as this process's visual-styles library answers it; false when the
// library has no theme data for windows.
bool themeCaptionFont(LOGFONTW* font) {
  HMODULE library = LoadLibraryW(L"UxTheme.dll");
  if (library == nullptr) return false;
  const auto open = s::system::os::win::entryPoint<OpenThemeDataFn>(library, "OpenThemeData");
  const auto sysFont =
      s::system::os::win::entryPoint<GetThemeSysFontFn>(library, "GetThemeSysFont");
  const auto close = s::system::os::win::entryPoint<CloseThemeDataFn>(library, "CloseThemeData");
  bool found = false;
  if (open != nullptr && sysFont != nullptr && close != nullptr) {
    HANDLE data = open(nullptr, L"WINDOW");
    if (data != nullptr) {
      found = SUCCEEDED(sysFont(data, 801, font));
      close(data);
    }
  }
  FreeLibrary(library);
  return found;
}

void print(const char* what, const LOGFONTW& font) {
  std::printf("%s: height %ld width %ld weight %ld italic %d charset %d quality %d face %ls\n",
              what, static_cast<long>(font.lfHeight), static_cast<long>(font.lfWidth),
              static_cast<long>(font.lfWeight), font.lfItalic, font.lfCharSet, font.lfQuality,
              font.lfFaceName);
}

bool sameFont(const LOGFONTW& a, const LOGFONTW& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
         a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight &&
         a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
         a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
         a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
         a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
         std::wcscmp(a.lfFaceName, b.lfFaceName) == 0;
}

}  // namespace

TEST_CASE("a new font takes the theme's caption font from 6.0 on, and the default otherwise") {
  const char* expected = std::getenv("VEXO_EXPECT_VERSION");
  REQUIRE(expected != nullptr);
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  REQUIRE(GetVersionExW(&version));
  const std::string seen =
      std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion);
  // Without the version the run means nothing.
  REQUIRE(seen == expected);

  s::base::Owned<s::gui::win::Font> font = s::thread::obtain<s::gui::win::Font>();
  const LOGFONTW& made = font->logFont();
  print("font", made);
  LOGFONTW theme{};
  const bool themed = themeCaptionFont(&theme);
  if (themed) print("theme caption font", theme);
  std::printf("theme data: %s\n", themed ? "present" : "none");

  if (version.dwMajorVersion >= 6 && themed) {
    CHECK(sameFont(made, theme));
  } else {
    LOGFONTW plain{};
    plain.lfHeight = -13;
    plain.lfWeight = 400;
    plain.lfCharSet = 1;
    plain.lfOutPrecision = 1;
    plain.lfClipPrecision = 2;
    plain.lfQuality = 2;
    plain.lfPitchAndFamily = 2;
    std::wcscpy(plain.lfFaceName, L"MS Shell Dlg 2");
    CHECK(sameFont(made, plain));
  }
  // The GDI font is made from that description.
  LOGFONTW handed{};
  REQUIRE(GetObjectW(font->handle(), sizeof(handed), &handed) == sizeof(handed));
  CHECK(handed.lfHeight == made.lfHeight);
  CHECK(std::wstring(handed.lfFaceName) == made.lfFaceName);
}
