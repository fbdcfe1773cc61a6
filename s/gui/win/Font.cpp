#include "s/gui/win/Font.h"

#include <cstring>

#include "s/gui/FontSize.h"
#include "s/system/os/StaticObj.h"
#include "s/system/os/win/EntryPoint.h"
#include "s/thread/Lock.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

constexpr int kFirstThemeFont = 801;  // the caption font; 802-806 follow it
constexpr int kThemeFonts = 6;
constexpr int kFaceLength = LF_FACESIZE;

struct ThemeFonts {
  bool read = false;
  bool present = false;
  LOGFONTW fonts[kThemeFonts];
};

using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
using GetThemeSysFontFn = HRESULT(WINAPI*)(HANDLE, int, LOGFONTW*);
using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);

// The visual-styles library exists from XP on but its system fonts are used from 6.0 on only;
// it is looked up at run time so that the program loads where it is missing.
void readThemeFonts(ThemeFonts& theme) {
  theme.read = true;
  if (!s::system::os::win::StaticObj().isVistaOrLater) return;
  HMODULE library = LoadLibraryW(L"UxTheme.dll");
  if (library == nullptr) return;
  const auto open = s::system::os::win::entryPoint<OpenThemeDataFn>(library, "OpenThemeData");
  const auto sysFont =
      s::system::os::win::entryPoint<GetThemeSysFontFn>(library, "GetThemeSysFont");
  const auto close = s::system::os::win::entryPoint<CloseThemeDataFn>(library, "CloseThemeData");
  if (open != nullptr && sysFont != nullptr && close != nullptr) {
    HANDLE data = open(nullptr, L"WINDOW");
    if (data != nullptr) {
      bool all = true;
      for (int i = 0; i < kThemeFonts && all; ++i) {
        all = SUCCEEDED(sysFont(data, kFirstThemeFont + i, &theme.fonts[i]));
      }
      theme.present = all;
      close(data);
    }
  }
  FreeLibrary(library);
}

const ThemeFonts& themeFonts() {
  static s::thread::Lock lock;
  static ThemeFonts theme;
  s::thread::LockGuard guard(lock);
  if (!theme.read) readThemeFonts(theme);
  return theme;
}

void defaultLogFont(LOGFONTW* font) {
  std::memset(font, 0, sizeof(*font));
  font->lfHeight = -13;
  font->lfWeight = FW_NORMAL;
  font->lfCharSet = DEFAULT_CHARSET;
  font->lfOutPrecision = OUT_STRING_PRECIS;
  font->lfClipPrecision = CLIP_STROKE_PRECIS;
  font->lfQuality = PROOF_QUALITY;
  font->lfPitchAndFamily = VARIABLE_PITCH;
  std::memcpy(font->lfFaceName, L"MS Shell Dlg 2", sizeof(L"MS Shell Dlg 2"));
}

std::int32_t screenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 96;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

void Font::initialLogFont(LOGFONTW* font) {
  const ThemeFonts& theme = themeFonts();
  if (theme.present) {
    *font = theme.fonts[0];
  } else {
    defaultLogFont(font);
  }
}

Font::Font() { initialLogFont(&logFont_); }

s::base::IObject* Font::newInstance() const { return s::thread::takeFromPool<Font>(); }

void Font::release() { s::thread::giveBackToPool(this); }

void Font::reset() {
  initialLogFont(&logFont_);
  font_.reset();
  textColour_ = kInitialColour;
  secondColour_ = kInitialColour;
  multiLine_ = false;
  ellipsis_ = false;
  explicit_ = 0;
}

HFONT Font::handle() const {
  if (!font_) font_.reset(CreateFontIndirectW(&logFont_));
  return font_.get();
}

bool Font::setSizeCode(std::int32_t code) {
  s::gui::FontSize size;
  if (!s::gui::fontSizeOfCode(code, &size)) return false;
  logFont_.lfWeight = size.weight;
  explicit_ |= kSizeCode;
  if (!isExplicit(kHeight)) {
    logFont_.lfHeight = s::gui::fontHeightOfTenths(size.points * 10, screenPixelsPerInch());
    // A size means the face's own proportions.
    logFont_.lfWidth = 0;
  }
  changed();
  return true;
}

void Font::setHeight(std::int32_t height) {
  logFont_.lfHeight = height;
  explicit_ |= kHeight;
  changed();
}

void Font::setWidth(std::int32_t width) {
  logFont_.lfWidth = width;
  explicit_ |= kWidth;
  changed();
}

void Font::setWeight(std::int32_t weight) {
  logFont_.lfWeight = weight;
  explicit_ |= kWeight;
  changed();
}

void Font::setFace(const char16_t* face) {
  std::memset(logFont_.lfFaceName, 0, sizeof(logFont_.lfFaceName));
  for (int i = 0; face != nullptr && face[i] != 0 && i < kFaceLength - 1; ++i) {
    logFont_.lfFaceName[i] = static_cast<wchar_t>(face[i]);
  }
  explicit_ |= kFace;
  changed();
}

void Font::setUnderline(bool on) {
  logFont_.lfUnderline = on ? TRUE : FALSE;
  explicit_ |= kUnderline;
  changed();
}

void Font::setItalic(bool on) {
  logFont_.lfItalic = on ? TRUE : FALSE;
  explicit_ |= kItalic;
  changed();
}

void Font::setTextColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  textColour_ = s::gui::drawer::rgb(red, green, blue);
  explicit_ |= kTextColour;
}

void Font::setSecondColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  secondColour_ = s::gui::drawer::rgb(red, green, blue);
  explicit_ |= kSecondColour;
}

void Font::setMultiLine(bool on) {
  multiLine_ = on;
  explicit_ |= kMultiLine;
}

void Font::setEllipsis(bool on) {
  ellipsis_ = on;
  explicit_ |= kEllipsis;
}

void Font::copyFrom(const Font& other) {
  if (&other == this) return;
  logFont_ = other.logFont_;
  textColour_ = other.textColour_;
  secondColour_ = other.secondColour_;
  multiLine_ = other.multiLine_;
  ellipsis_ = other.ellipsis_;
  explicit_ = other.explicit_;
  changed();
}

s::gui::win::FontSetting Font::setting() const {
  s::gui::win::FontSetting setting;
  if (hasExplicitShape()) setting.setFont(handle());
  if (isExplicit(kTextColour)) setting.setTextColour(textColour_);
  if (isExplicit(kSecondColour)) setting.setSecondColour(secondColour_);
  if (isExplicit(kMultiLine)) setting.setMultiLine(multiLine_);
  if (isExplicit(kEllipsis)) setting.setEllipsis(ellipsis_);
  return setting;
}

}  // namespace s::gui::win

namespace s::gui::win {

s::gui::win::FontSetting Font::settingOver(const s::gui::win::FontSetting& defaults) const {
  s::gui::win::FontSetting result = setting().filledFrom(defaults);
  if (result.font() == nullptr) result.setFont(handle());
  return result;
}

}  // namespace s::gui::win
