#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/base/Owned.h"
#include "s/gui/win/Font.h"
#include "s/thread/Pool.h"
#include "support/win/GuiObjectCount.h"

using s::base::Owned;
using s::gui::win::Font;

namespace {

int screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int heightOfPoints(int points) { return -MulDiv(points, screenDpi(), 72); }

}  // namespace

TEST_CASE("a new font is 8-point MS Shell Dlg 2 before 6.0, and its GDI font says so") {
  Owned<Font> font = s::thread::obtain<Font>();
  const LOGFONTW& description = font->logFont();
  // The test prefix runs as Windows XP.
  CHECK(std::wstring(description.lfFaceName) == L"MS Shell Dlg 2");
  CHECK(description.lfHeight == -13);
  CHECK(description.lfWeight == FW_NORMAL);
  CHECK(description.lfCharSet == DEFAULT_CHARSET);
  CHECK(description.lfQuality == PROOF_QUALITY);
  HFONT handle = font->handle();
  REQUIRE(handle != nullptr);
  CHECK(font->handle() == handle);
  LOGFONTW made{};
  REQUIRE(GetObjectW(handle, sizeof(made), &made) == sizeof(made));
  CHECK(made.lfHeight == -13);
  CHECK(std::wstring(made.lfFaceName) == L"MS Shell Dlg 2");
  CHECK(font->textColour() == 0xEEEEEE);
}

TEST_CASE("size codes set weight and height, and a new GDI font is made for the change") {
  struct Case {
    int code;
    int weight;
    int points;
  };
  const Case cases[] = {{5, 400, 15},    {112, 700, 26},  {100001, 400, 8},
                        {-104, 700, 10}, {-103, 700, 11}, {-1, 400, 9}};
  for (const Case& c : cases) {
    CAPTURE(c.code);
    Owned<Font> font = s::thread::obtain<Font>();
    REQUIRE(font->setSizeCode(c.code));
    CHECK(font->logFont().lfWeight == c.weight);
    CHECK(font->logFont().lfHeight == heightOfPoints(c.points));
    LOGFONTW made{};
    REQUIRE(GetObjectW(font->handle(), sizeof(made), &made) == sizeof(made));
    CHECK(made.lfHeight == heightOfPoints(c.points));
    CHECK(made.lfWeight == c.weight);
  }
}

TEST_CASE("an ignored code changes nothing, and an explicit height survives size codes") {
  Owned<Font> font = s::thread::obtain<Font>();
  HFONT before = font->handle();
  CHECK_FALSE(font->setSizeCode(5000));
  CHECK(font->handle() == before);
  CHECK(font->logFont().lfHeight == -13);
  CHECK_FALSE(font->hasExplicitShape());

  font->setHeight(-20);
  REQUIRE(font->setSizeCode(112));
  CHECK(font->logFont().lfHeight == -20);
  CHECK(font->logFont().lfWeight == FW_BOLD);
  // Another code still changes the weight.
  REQUIRE(font->setSizeCode(5));
  CHECK(font->logFont().lfWeight == FW_NORMAL);
  CHECK(font->logFont().lfHeight == -20);
}

TEST_CASE("a font hands a drawer only what was set, and a copy carries everything") {
  Owned<Font> font = s::thread::obtain<Font>();
  s::gui::win::FontSetting plain = font->setting();
  CHECK(plain.font() == nullptr);
  CHECK_FALSE(plain.isExplicit(s::gui::win::FontSetting::kTextColour));
  s::gui::win::FontSetting defaults;
  defaults.setTextColour(1, 2, 3);
  // Completed from a drawer without a font, it still draws in this font.
  const s::gui::win::FontSetting completed = font->settingOver(defaults);
  CHECK(completed.font() == font->handle());
  CHECK(completed.textColour() == s::gui::drawer::rgb(1, 2, 3));

  font->setTextColour(0, 0, 238);
  font->setFace(u"Tahoma with a face name longer than thirty-one characters");
  font->setUnderline(true);
  const s::gui::win::FontSetting own = font->settingOver(defaults);
  CHECK(own.textColour() == s::gui::drawer::rgb(0, 0, 238));
  CHECK(own.font() == font->handle());
  CHECK(std::wstring(font->logFont().lfFaceName).size() == 31);

  Owned<Font> copy = s::thread::obtain<Font>();
  copy->copyFrom(*font);
  CHECK(copy->logFont().lfUnderline != 0);
  CHECK(copy->textColour() == font->textColour());
  CHECK(copy->isExplicit(Font::kTextColour));
  CHECK(copy->handle() != font->handle());
}

TEST_CASE("fonts give their GDI objects back") {
  const DWORD before = support::settledGdiObjectCount();
  for (int i = 0; i < 50; ++i) {
    Owned<Font> font = s::thread::obtain<Font>();
    font->handle();
    font->setSizeCode(i % 20);
    font->handle();
  }
  CHECK(support::gdiObjectCount() == before);
}

TEST_CASE("the GDI object count sees an object that is kept, and one given back") {
  const DWORD before = support::settledGdiObjectCount();
  HFONT kept =
      CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HBRUSH alsoKept = CreateSolidBrush(RGB(1, 2, 3));
  REQUIRE(kept != nullptr);
  REQUIRE(alsoKept != nullptr);
  CHECK(support::gdiObjectCount() == before + 2);
  DeleteObject(kept);
  DeleteObject(alsoKept);
  CHECK(support::gdiObjectCount() == before);
}
