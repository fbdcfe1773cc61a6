#include "Input.h"

#include <cstring>

#include "Windows.h"
#include "support/win/Cursor.h"

namespace e2e {

namespace {

constexpr DWORD kAnswerTimeoutMs = 2000;

LPARAM pointParam(POINT point) {
  return static_cast<LPARAM>(static_cast<DWORD>((point.x & 0xFFFF) | ((point.y & 0xFFFF) << 16)));
}

bool sendButton(DWORD flags) {
  INPUT input;
  std::memset(&input, 0, sizeof input);
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return SendInput(1, &input, sizeof input) == 1;
}

bool sendKey(UINT vk, bool up) {
  INPUT input;
  std::memset(&input, 0, sizeof input);
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(vk);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return SendInput(1, &input, sizeof input) == 1;
}

// The window the system would hand a press at this point to, starting from top: the deepest
// visible, enabled child, then up past every one that calls itself transparent.
bool hitTarget(HWND top, POINT screen, HWND* target, LRESULT* hit, std::string* error) {
  HWND window = top;
  for (;;) {
    POINT client = screen;
    ScreenToClient(window, &client);
    HWND child = ChildWindowFromPointEx(window, client,
                                        CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == window) break;
    window = child;
  }
  for (;;) {
    DWORD_PTR answer = HTCLIENT;
    if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, pointParam(screen), SMTO_ABORTIFHUNG,
                            kAnswerTimeoutMs, &answer) == 0) {
      *error = "window " + handleText(window) + " does not answer (hung?)";
      return false;
    }
    *hit = static_cast<LRESULT>(answer);
    if (*hit == HTTRANSPARENT && window != top) {
      window = GetParent(window);
      continue;
    }
    *target = window;
    return true;
  }
}

struct KeyName {
  const char* name;
  UINT vk;
};

constexpr KeyName kKeys[] = {
    {"return", VK_RETURN},  {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
    {"down", VK_DOWN},      {"up", VK_UP},        {"left", VK_LEFT},     {"right", VK_RIGHT},
    {"tab", VK_TAB},        {"space", VK_SPACE},  {"home", VK_HOME},     {"end", VK_END},
    {"alt", VK_MENU},       {"f10", VK_F10},      {"f1", VK_F1},         {"delete", VK_DELETE},
    {"backspace", VK_BACK},
};

}  // namespace

bool inputModeOf(const Step& step, InputMode fallback, InputMode* mode, std::string* error) {
  const std::string* value = step.raw("input");
  *mode = fallback;
  if (value == nullptr) return true;
  if (*value == "post") {
    *mode = InputMode::kPost;
  } else if (*value == "send") {
    *mode = InputMode::kSend;
  } else {
    *error = "input= is post or send";
    return false;
  }
  return true;
}

bool moveCursor(POINT screen, std::string* error) {
  if (support::putCursorAt(screen)) return true;
  const POINT held = support::heldCursorPos();
  *error = "the cursor stays at " + std::to_string(held.x) + "," + std::to_string(held.y) +
           " instead of " + std::to_string(screen.x) + "," + std::to_string(screen.y);
  return false;
}

bool clickAt(HWND top, POINT screen, InputMode mode, std::string* report, std::string* error) {
  if (!IsWindowEnabled(top)) {
    // A disabled window takes no input from the user either.
    *report = "no-effect reason=\"the window is disabled\"";
    return true;
  }
  if (mode == InputMode::kSend) {
    if (!moveCursor(screen, error)) return false;
    HWND under = WindowFromPoint(screen);
    HWND root = under == nullptr ? nullptr : GetAncestor(under, GA_ROOT);
    if (root != top) {
      *error = "another window covers the point: " +
               (root == nullptr ? std::string("none") : describeWindow(root, nullptr));
      return false;
    }
    if (!sendButton(MOUSEEVENTF_LEFTDOWN)) {
      *error = "SendInput refused the press";
      return false;
    }
    Sleep(30);
    if (!sendButton(MOUSEEVENTF_LEFTUP)) {
      *error = "SendInput refused the release";
      return false;
    }
    *report = "input=send under=" + handleText(under);
    return true;
  }

  // The cursor goes there too, for a program that asks where it is (hot tracking); a posted
  // press does not depend on it, so another test moving it meanwhile does no harm.
  std::string ignored;
  moveCursor(screen, &ignored);
  HWND target = nullptr;
  LRESULT hit = HTCLIENT;
  if (!hitTarget(top, screen, &target, &hit, error)) return false;
  if (hit != HTCLIENT) {
    // A posted frame press would not start the system's own drag or sizing loop faithfully.
    *error = "the point is on a frame part (hit test " + std::to_string(hit) + ") of " +
             handleText(target) + ": use input=send there";
    return false;
  }
  POINT client = screen;
  ScreenToClient(target, &client);
  LPARAM where = pointParam(client);
  if (!PostMessageW(target, WM_MOUSEMOVE, 0, where) ||
      !PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where) ||
      !PostMessageW(target, WM_LBUTTONUP, 0, where)) {
    *error = "the press could not be posted to " + handleText(target);
    return false;
  }
  *report = "input=post target=" + handleText(target) + " at=" + std::to_string(client.x) + "," +
            std::to_string(client.y);
  return true;
}

bool pressKey(HWND top, HWND target, UINT vk, InputMode mode, std::string* error) {
  if (mode == InputMode::kSend) {
    SetForegroundWindow(top);
    Sleep(30);
    if (!sendKey(vk, false) || !sendKey(vk, true)) {
      *error = "SendInput refused the key";
      return false;
    }
    return true;
  }
  UINT scan = MapVirtualKeyW(vk, 0);
  auto down = static_cast<LPARAM>(1 | (scan << 16));
  auto up = static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u);
  if (!PostMessageW(target, WM_KEYDOWN, vk, down) || !PostMessageW(target, WM_KEYUP, vk, up)) {
    *error = "the key could not be posted to " + handleText(target);
    return false;
  }
  return true;
}

bool virtualKeyOf(const std::string& name, UINT* vk) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  for (const KeyName& key : kKeys) {
    if (lower == key.name) {
      *vk = key.vk;
      return true;
    }
  }
  if (lower.size() == 1 &&
      ((lower[0] >= 'a' && lower[0] <= 'z') || (lower[0] >= '0' && lower[0] <= '9'))) {
    *vk = static_cast<UINT>(lower[0] >= 'a' ? lower[0] - 32 : lower[0]);
    return true;
  }
  return false;
}

}  // namespace e2e
