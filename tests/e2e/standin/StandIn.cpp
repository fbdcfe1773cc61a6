// e2e_standin: a small window shaped like the tool window (a drawn menu bar whose titles open
// native pop-ups, the two buttons, a status line) that the end-to-end driver is proven on until
// the real program exists. Its buttons change the same two registry values the real one does,
// with the heap editor's own clause rewrite, under a key of the caller's choosing.
//
//   e2e_standin.exe [/root KEY] [/settings KEY] [/pos X,Y] [/title TEXT]
//
// /root puts the SubSystems and Memory Management keys below KEY instead of HKLM; /settings is
// where the kept values and "OperationDone" live.

#include <windows.h>

#include <string>

#include "app/HeapEditor.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace {

constexpr const wchar_t* kWindowClass = L"VexoE2eStandIn";
constexpr const wchar_t* kBarClass = L"VexoE2eStandInBar";
constexpr int kWidth = 230;
constexpr int kHeight = 230;
constexpr int kBarHeight = 20;
// The client area's own colour, so a screenshot shows where the window is.
constexpr COLORREF kBackground = RGB(46, 139, 87);

enum Command : UINT {
  kApply = 1,
  kUndo = 2,
  kStatus = 3,
  kLink = 4,
  kKeepOnTop = 100,
  kEasyDrag = 120,
  kSayHello = 130,
  kGrayed = 140,
  kVersion = 10000,
};

// The titles sit at fixed places so that tests can aim at them: View, then About.
constexpr RECT kTitles[] = {{4, 0, 60, kBarHeight}, {64, 0, 120, kBarHeight}};
constexpr const wchar_t* kTitleTexts[] = {L"View", L"About"};

constexpr const wchar_t* kApplied = L"Operation Successful!\r\nPlease restart your computer now.";
constexpr const wchar_t* kUndone = L"Undo Successful!\r\nPlease restart your computer now.";
constexpr const wchar_t* kUnusable =
    L"The change was not made: the SharedSection setting could not be read or has an unexpected "
    L"form.";
constexpr const wchar_t* kNotWritten =
    L"The change was not made: the registry could not be written. Run the program as an "
    L"administrator.";

struct Key {
  HKEY root = HKEY_LOCAL_MACHINE;
  std::wstring path;
};

struct State {
  Key subSystems;
  Key memory;
  Key settings;
  HWND window = nullptr;
  HWND apply = nullptr;
  HWND undo = nullptr;
  HWND status = nullptr;
  HMENU menus[2] = {nullptr, nullptr};
  bool easyDrag = true;
};

State state;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

Key keyOf(const std::wstring& text) {
  Key key;
  std::size_t slash = text.find(L'\\');
  std::wstring root = text.substr(0, slash);
  key.root =
      (root == L"HKCU" || root == L"HKEY_CURRENT_USER") ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
  key.path = slash == std::wstring::npos ? L"" : text.substr(slash + 1);
  return key;
}

Key below(const Key& base, const char16_t* path) {
  Key key = base;
  key.path = base.path.empty() ? wide(path) : base.path + L"\\" + wide(path);
  return key;
}

bool readText(const Key& key, const wchar_t* name, std::wstring* text) {
  wchar_t buffer[2048];
  DWORD size = sizeof buffer - sizeof(wchar_t);
  DWORD type = 0;
  HKEY handle = nullptr;
  if (RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
    return false;
  }
  LONG status =
      RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  buffer[size / sizeof(wchar_t)] = L'\0';
  *text = buffer;
  return true;
}

DWORD readNumber(const Key& key, const wchar_t* name, DWORD fallback) {
  DWORD value = fallback;
  DWORD size = sizeof value;
  DWORD type = 0;
  HKEY handle = nullptr;
  if (RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
    return fallback;
  }
  LONG status =
      RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS && type == REG_DWORD ? value : fallback;
}

bool write(const Key& key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(key.root, key.path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG status = RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

bool writeNumber(const Key& key, const wchar_t* name, DWORD value) {
  return write(key, name, REG_DWORD, &value, sizeof value);
}

std::wstring programName() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

void tell(const wchar_t* text, UINT icon) {
  MessageBoxW(state.window, text, programName().c_str(), MB_OK | icon);
}

void showDone(bool done) {
  EnableWindow(state.apply, done ? FALSE : TRUE);
  EnableWindow(state.undo, done ? TRUE : FALSE);
}

// Writes both values; the second number of the clause becomes heap. False leaves the registry
// as it was, as far as it lets us.
bool change(DWORD sessionViewSize, DWORD heap, DWORD* oldSessionViewSize, DWORD* oldHeap,
            const wchar_t** failure) {
  std::wstring windows;
  *failure = kUnusable;
  if (!readText(state.subSystems, wide(app::kWindowsValue), &windows)) return false;
  auto value = s::str::strbuffer::newStr(reinterpret_cast<const char16_t*>(windows.c_str()));
  app::SharedSectionRewrite rewrite =
      app::RewriteSharedSection(*value, static_cast<std::int32_t>(heap));
  if (!rewrite.ok) return false;
  *oldHeap = static_cast<DWORD>(rewrite.oldSecond);
  *oldSessionViewSize =
      readNumber(state.memory, wide(app::kSessionViewSizeValue), app::kDefaultSessionViewSize);
  *failure = kNotWritten;
  if (!writeNumber(state.memory, wide(app::kSessionViewSizeValue), sessionViewSize)) return false;
  const s::str::strbuffer::StrBuffer& text = *rewrite.newValue;
  if (!write(state.subSystems, wide(app::kWindowsValue), REG_EXPAND_SZ, text.text(),
             2 * text.length() + 2)) {
    writeNumber(state.memory, wide(app::kSessionViewSizeValue), *oldSessionViewSize);
    return false;
  }
  return true;
}

void apply() {
  DWORD oldSessionViewSize = 48;
  DWORD oldHeap = 3072;
  const wchar_t* failure = nullptr;
  if (!change(96, 9216, &oldSessionViewSize, &oldHeap, &failure)) {
    tell(failure, MB_ICONERROR);
    return;
  }
  writeNumber(state.settings, L"OriginalSessionViewSize", oldSessionViewSize);
  writeNumber(state.settings, L"OriginalDesktopHeap", oldHeap);
  writeNumber(state.settings, L"OperationDone", 1);
  showDone(true);
  tell(kApplied, MB_ICONINFORMATION);
}

void undo() {
  DWORD sessionViewSize = readNumber(state.settings, L"OriginalSessionViewSize", 48);
  DWORD heap = readNumber(state.settings, L"OriginalDesktopHeap", 3072);
  DWORD scratch = 0;
  const wchar_t* failure = nullptr;
  if (!change(sessionViewSize, heap, &scratch, &scratch, &failure)) {
    tell(failure, MB_ICONERROR);
    return;
  }
  writeNumber(state.settings, L"OperationDone", 0);
  showDone(false);
  tell(kUndone, MB_ICONINFORMATION);
}

void toggleCheck(UINT id) {
  UINT now = GetMenuState(state.menus[0], id, MF_BYCOMMAND);
  bool checked = (now & MF_CHECKED) != 0;
  CheckMenuItem(state.menus[0], id, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
  if (id == kKeepOnTop) {
    SetWindowPos(state.window, checked ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    state.easyDrag = !checked;
  }
}

void onCommand(UINT id) {
  switch (id) {
    case kApply:
      apply();
      break;
    case kUndo:
      undo();
      break;
    case kKeepOnTop:
    case kEasyDrag:
      toggleCheck(id);
      break;
    case kSayHello:
      tell(L"Hello from the menu bar.", MB_ICONINFORMATION);
      break;
    case kVersion:
      tell(L"Stand-in version 1", MB_ICONINFORMATION);
      break;
    default:
      break;
  }
}

int titleAt(POINT point) {
  for (int i = 0; i < 2; ++i) {
    if (PtInRect(&kTitles[i], point)) return i;
  }
  return -1;
}

POINT pointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK barProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // Between the titles the bar lets clicks through to the window, as the real bar does.
      POINT point = pointOf(lParam);
      ScreenToClient(bar, &point);
      return titleAt(point) >= 0 ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_LBUTTONDOWN: {
      int title = titleAt(pointOf(lParam));
      if (title < 0) return 0;
      POINT corner{kTitles[title].left, kBarHeight};
      ClientToScreen(bar, &corner);
      TrackPopupMenu(state.menus[title], TPM_NOANIMATION | TPM_RIGHTBUTTON, corner.x, corner.y, 0,
                     bar, nullptr);
      return 0;
    }
    case WM_COMMAND:
      onCommand(LOWORD(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(bar, &paint);
      RECT client;
      GetClientRect(bar, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      for (int i = 0; i < 2; ++i) {
        RECT rect = kTitles[i];
        DrawTextW(dc, kTitleTexts[i], -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      }
      SelectObject(dc, old);
      EndPaint(bar, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(bar, message, wParam, lParam);
  }
}

HWND child(const wchar_t* windowClass, const wchar_t* text, DWORD style, int x, int y, int width,
           int height, UINT id) {
  HWND made = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                              height, state.window, reinterpret_cast<HMENU>(UINT_PTR{id}),
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return made;
}

void build(HWND window) {
  state.window = window;
  RECT client;
  GetClientRect(window, &client);
  int width = client.right;
  child(kBarClass, L"", 0, 0, 0, width, kBarHeight, 0);
  state.apply = child(L"BUTTON", L"Increase it Now!", BS_PUSHBUTTON, 8, kBarHeight + 14, width - 16,
                      40, kApply);
  state.undo = child(L"BUTTON", L"Undo the Change", BS_PUSHBUTTON, 8, kBarHeight + 56, width - 16,
                     40, kUndo);
  state.status =
      child(L"STATIC", L"Ready", SS_LEFT, 4, client.bottom - 18, width - 60, 16, kStatus);
  child(L"STATIC", L"vexo", SS_RIGHT, width - 52, client.bottom - 18, 48, 16, kLink);
  showDone(readNumber(state.settings, L"OperationDone", 0) != 0);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      build(window);
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      // Shows where a click that reached the window itself landed.
      POINT point = pointOf(lParam);
      std::wstring text =
          L"Window clicked at " + std::to_wstring(point.x) + L"," + std::to_wstring(point.y);
      SetWindowTextW(state.status, text.c_str());
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void makeMenus() {
  HMENU view = CreatePopupMenu();
  AppendMenuW(view, MF_STRING | MF_CHECKED, kKeepOnTop, L"Keep on Top");
  AppendMenuW(view, MF_STRING | MF_CHECKED, kEasyDrag, L"&Easy Drag");
  AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(view, MF_STRING | MF_GRAYED, kGrayed, L"Grayed Item");
  AppendMenuW(view, MF_STRING, kSayHello, L"Say Hello\tCtrl+H");
  HMENU about = CreatePopupMenu();
  AppendMenuW(about, MF_STRING, kVersion, L"Version Information");
  state.menus[0] = view;
  state.menus[1] = about;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  Key root{HKEY_LOCAL_MACHINE, L""};
  state.settings = Key{HKEY_CURRENT_USER, L"Software\\Vexo\\E2E Stand-in\\MainWindow\\View"};
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  std::wstring title = L"Vexo Ombrel stand-in";
  for (int i = 1; i + 1 < count; i += 2) {
    std::wstring option = arguments[i];
    std::wstring value = arguments[i + 1];
    if (option == L"/root") root = keyOf(value);
    if (option == L"/settings") state.settings = keyOf(value);
    if (option == L"/title") title = value;
    if (option == L"/pos") {
      x = _wtoi(value.c_str());
      y = _wtoi(value.substr(value.find(L',') + 1).c_str());
    }
  }
  LocalFree(arguments);
  state.subSystems = below(root, app::kSubSystemsPath);
  state.memory = below(root, app::kMemoryManagementPath);
  makeMenus();

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(kBackground);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  WNDCLASSW barClass{};
  barClass.lpfnWndProc = barProc;
  barClass.hInstance = instance;
  barClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  barClass.lpszClassName = kBarClass;
  RegisterClassW(&barClass);

  HWND window = CreateWindowExW(WS_EX_TOPMOST, kWindowClass, title.c_str(),
                                WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, x, y, kWidth, kHeight,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
