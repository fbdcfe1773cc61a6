// Verbs about windows and controls: finding, reading, expecting, clicking, typing, closing,
// screenshots and message boxes.

#include <vector>

#include "../Text.h"
#include "Processes.h"
#include "Screenshot.h"
#include "Steps.h"
#include "Windows.h"

namespace e2e {

namespace {

constexpr DWORD kAnswerTimeoutMs = 2000;

// A "0"/"1" expectation, or absent.
bool flagOf(const Step& step, const char* key, int* flag, std::string* error) {
  const std::string* value = step.raw(key);
  *flag = -1;
  if (value == nullptr) return true;
  if (*value == "0" || *value == "1") {
    *flag = *value == "1" ? 1 : 0;
    return true;
  }
  *error = std::string(key) + "= is 0 or 1";
  return false;
}

int checkedOf(HWND control) {
  DWORD_PTR state = 0;
  if (SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &state) ==
      0) {
    return -1;
  }
  return state == BST_CHECKED ? 1 : 0;
}

bool isTopmost(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT clientOnScreen(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return client;
}

// The point a click aims at: at= inside the control (or the window's client area), else its
// centre.
bool clickPoint(const Step& step, HWND top, HWND control, POINT* screen, std::string* error) {
  HWND base = control != nullptr ? control : top;
  RECT client = clientOnScreen(base);
  if (step.has("at")) {
    int x = 0;
    int y = 0;
    if (!step.point("at", &x, &y, error)) return false;
    *screen = POINT{client.left + x, client.top + y};
  } else {
    *screen = POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  }
  return true;
}

struct OwnedSearch {
  HWND owner;
  DWORD pid;
  RECT bounds;
};

BOOL CALLBACK uniteOwned(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<OwnedSearch*>(param);
  if (!IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER) != search->owner) return TRUE;
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  UnionRect(&search->bounds, &search->bounds, &rect);
  return TRUE;
}

struct BoxContent {
  std::u16string caption;
  std::u16string text;
  std::vector<HWND> buttons;
  std::u16string buttonNames;
};

BOOL CALLBACK readBoxChild(HWND hwnd, LPARAM param) {
  auto* box = reinterpret_cast<BoxContent*>(param);
  if (!IsWindowVisible(hwnd)) return TRUE;
  std::u16string windowClass = classOf(hwnd);
  std::u16string text = windowText(hwnd);
  if (equalsIgnoreCase(windowClass, u"Static") && !text.empty()) {
    if (!box->text.empty()) box->text += u"\n";
    box->text += text;
  } else if (equalsIgnoreCase(windowClass, u"Button")) {
    box->buttons.push_back(hwnd);
    if (!box->buttonNames.empty()) box->buttonNames += u",";
    box->buttonNames += withoutMnemonics(text);
  }
  return TRUE;
}

int waitWindow(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, "timeout"}, error)) return kUsage;
  HWND top = nullptr;
  int found = findTop(step, context, timeout, &top, error);
  if (found == kOk) say("window " + describeWindow(top, nullptr));
  return found;
}

int waitGone(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, "timeout"}, error)) return kUsage;
  WindowQuery query;
  if (!windowQueryOf(step, &query, error)) return kUsage;
  if (query.empty()) {
    if (context.window == nullptr) {
      *error = "which window? give exe=, pid=, class=, title= or hwnd=";
      return kUsage;
    }
    query.hwnd = context.window;
  }
  if (!waitUntil(timeout, [&] { return topWindowsNow(query).empty(); })) {
    *error = "the window is still there after " + std::to_string(timeout) + " ms";
    return kFailed;
  }
  say("gone");
  return kOk;
}

int info(const Step& step, Context& context, DWORD timeout, bool list, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout"}, error)) return kUsage;
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  if (!list) {
    say(control != nullptr ? "control " + describeWindow(control, top)
                           : "window " + describeWindow(top, nullptr));
    return kOk;
  }
  say("window " + describeWindow(top, nullptr));
  ControlQuery everything;
  everything.hiddenToo = true;
  for (HWND child : controlsNow(top, everything)) say("control " + describeWindow(child, top));
  return kOk;
}

int readText(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout"}, error)) return kUsage;
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found == kOk) say(escapeText(windowText(control != nullptr ? control : top)));
  return found;
}

int expect(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout", "text", "text-part", "enabled",
                      "visible", "checked", "topmost"},
                     error)) {
    return kUsage;
  }
  std::u16string text;
  std::u16string textPart;
  int enabled = -1;
  int visible = -1;
  int checked = -1;
  int topmost = -1;
  if ((step.has("text") && !step.text("text", &text, error)) ||
      (step.has("text-part") && !step.text("text-part", &textPart, error)) ||
      !flagOf(step, "enabled", &enabled, error) || !flagOf(step, "visible", &visible, error) ||
      !flagOf(step, "checked", &checked, error) || !flagOf(step, "topmost", &topmost, error)) {
    return kUsage;
  }
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  HWND subject = control != nullptr ? control : top;

  std::string mismatch;
  auto holds = [&] {
    mismatch.clear();
    std::u16string now = windowText(subject);
    if (step.has("text") && now != text) {
      mismatch += " text=" + escapeText(now) + " (expected " + escapeText(text) + ")";
    }
    if (step.has("text-part") && now.find(textPart) == std::u16string::npos) {
      mismatch += " text=" + escapeText(now) + " (expected a part " + escapeText(textPart) + ")";
    }
    auto compare = [&](const char* name, int wanted, int actual) {
      if (wanted >= 0 && wanted != actual) {
        mismatch += std::string(" ") + name + "=" + std::to_string(actual) + " (expected " +
                    std::to_string(wanted) + ")";
      }
    };
    compare("enabled", enabled, IsWindowEnabled(subject) ? 1 : 0);
    compare("visible", visible, IsWindowVisible(subject) ? 1 : 0);
    if (checked >= 0) compare("checked", checked, checkedOf(subject));
    if (topmost >= 0) compare("topmost", topmost, isTopmost(GetAncestor(subject, GA_ROOT)) ? 1 : 0);
    return mismatch.empty();
  };
  if (!waitUntil(timeout, holds)) {
    *error = "after " + std::to_string(timeout) + " ms " + handleText(subject) + mismatch;
    return kFailed;
  }
  say("as expected " + handleText(subject));
  return kOk;
}

int click(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout", "at", "input"}, error)) {
    return kUsage;
  }
  InputMode mode = context.input;
  if (!inputModeOf(step, context.input, &mode, error)) return kUsage;
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  POINT screen{};
  if (!clickPoint(step, top, control, &screen, error)) return kUsage;
  std::string report;
  if (!clickAt(top, screen, mode, &report, error)) return kFailed;
  say("clicked " + report + " screen=" + std::to_string(screen.x) + "," + std::to_string(screen.y));
  return kOk;
}

int key(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout", "vk", "times", "input"},
                     error)) {
    return kUsage;
  }
  InputMode mode = context.input;
  UINT vk = 0;
  std::int64_t times = 1;
  const std::string* name = step.raw("vk");
  if (!inputModeOf(step, context.input, &mode, error)) return kUsage;
  if (name == nullptr || !virtualKeyOf(*name, &vk)) {
    *error = "vk= names a key: return, escape, down, up, tab, space, a letter...";
    return kUsage;
  }
  if (!step.integer("times", 1, &times, error) || times < 1 || times > 100) return kUsage;
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  HWND target = control;
  if (target == nullptr) {
    // Where the user's keys go: the focus of the window's thread, else the window itself.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    DWORD threadId = GetWindowThreadProcessId(top, nullptr);
    target =
        GetGUIThreadInfo(threadId, &thread) && thread.hwndFocus != nullptr ? thread.hwndFocus : top;
  }
  for (std::int64_t i = 0; i < times; ++i) {
    if (!pressKey(top, target, vk, mode, error)) return kFailed;
  }
  say("pressed " + *name + " target=" + handleText(target));
  return kOk;
}

int close(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, "timeout", "wait"}, error)) return kUsage;
  HWND top = nullptr;
  int found = findTop(step, context, timeout, &top, error);
  if (found != kOk) return found;
  DWORD pid = e2e::processOf(top);
  // Before the close, which may end the process at once.
  holdProcess(pid);
  PostMessageW(top, WM_CLOSE, 0, 0);
  const std::string* wait = step.raw("wait");
  if (wait == nullptr || *wait == "0") {
    say("closing " + handleText(top));
    return kOk;
  }
  DWORD code = 0;
  bool codeKnown = false;
  if (!waitForExit(pid, timeout, &code, &codeKnown, error)) return kFailed;
  say("closed exit-code=" + (codeKnown ? std::to_string(code) : std::string("unknown")));
  return kOk;
}

int screenshot(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout", "out", "area", "include-owned"},
                     error)) {
    return kUsage;
  }
  std::u16string out;
  if (!step.text("out", &out, error)) return kUsage;
  const std::string* area = step.raw("area");
  if (area != nullptr && *area != "window" && *area != "client") {
    *error = "area= is window or client";
    return kUsage;
  }
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  HWND subject = control != nullptr ? control : top;
  RECT rect{};
  if (area != nullptr && *area == "client") {
    rect = clientOnScreen(subject);
  } else {
    GetWindowRect(subject, &rect);
  }
  const std::string* owned = step.raw("include-owned");
  if (owned != nullptr && *owned == "1") {
    OwnedSearch search{top, e2e::processOf(top), rect};
    EnumWindows(uniteOwned, reinterpret_cast<LPARAM>(&search));
    rect = search.bounds;
  }
  RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  IntersectRect(&rect, &rect, &screen);
  // A virtual display keeps no copy of what a closed window covered, and the program repaints
  // the uncovered part only when its turn comes: have it repaint everything, give it the time.
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Sleep(300);
  if (!saveScreenRect(rect, windowsPath(out), error)) return kFailed;
  say("screenshot rect=" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
      std::to_string(rect.right) + "," + std::to_string(rect.bottom) + " size=" +
      std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top));
  return kOk;
}

int messageBox(const Step& step, Context& context, DWORD timeout, std::string* error) {
  if (!step.onlyKeys({"pid", "exe", "title", "title-part", "timeout", "caption", "text",
                      "text-part", "press", "input"},
                     error)) {
    return kUsage;
  }
  InputMode mode = context.input;
  if (!inputModeOf(step, context.input, &mode, error)) return kUsage;
  WindowQuery query;
  if (!windowQueryOf(step, &query, error)) return kUsage;
  if (query.pid == 0 && query.exe.empty()) {
    int known = stepProcess(step, context, &query.pid, error);
    if (known != kOk) return known;
  }
  query.windowClass = u"#32770";
  HWND box = nullptr;
  if (!waitUntil(timeout, [&] {
        std::vector<HWND> boxes = topWindowsNow(query);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
      })) {
    *error = "no message box within " + std::to_string(timeout) + " ms";
    return kFailed;
  }
  BoxContent content;
  content.caption = windowText(box);
  EnumChildWindows(box, readBoxChild, reinterpret_cast<LPARAM>(&content));
  say("msgbox " + handleText(box) + " caption=" + escapeText(content.caption) +
      " text=" + escapeText(content.text) + " buttons=" + escapeText(content.buttonNames));

  std::u16string wanted;
  if (step.has("caption")) {
    if (!step.text("caption", &wanted, error)) return kUsage;
    if (wanted != content.caption) {
      *error = "the caption is " + escapeText(content.caption) + ", not " + escapeText(wanted);
      return kFailed;
    }
  }
  if (step.has("text")) {
    if (!step.text("text", &wanted, error)) return kUsage;
    if (wanted != content.text) {
      *error = "the text is " + escapeText(content.text) + ", not " + escapeText(wanted);
      return kFailed;
    }
  }
  if (step.has("text-part")) {
    if (!step.text("text-part", &wanted, error)) return kUsage;
    if (content.text.find(wanted) == std::u16string::npos) {
      *error = "the text " + escapeText(content.text) + " has no " + escapeText(wanted);
      return kFailed;
    }
  }
  if (!step.has("press")) return kOk;
  std::u16string press;
  if (!step.text("press", &press, error)) return kUsage;
  HWND button = nullptr;
  for (HWND candidate : content.buttons) {
    if (withoutMnemonics(windowText(candidate)) == press) button = candidate;
  }
  if (button == nullptr) {
    *error = "the box has no button " + escapeText(press);
    return kFailed;
  }
  RECT rect{};
  GetWindowRect(button, &rect);
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  std::string report;
  if (!clickAt(box, centre, mode, &report, error)) return kFailed;
  if (!waitUntil(timeout, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
    *error = "the box stayed open after " + escapeText(press);
    return kFailed;
  }
  say("pressed " + escapeText(press));
  return kOk;
}

}  // namespace

int windowStep(const Step& step, Context& context, std::string* error, bool* known) {
  *known = true;
  bool bad = false;
  DWORD timeout = timeoutOf(step, context, error, &bad);
  if (bad) return kUsage;
  const std::string& verb = step.verb;
  if (verb == "wait-window") return waitWindow(step, context, timeout, error);
  if (verb == "wait-gone") return waitGone(step, context, timeout, error);
  if (verb == "info") return info(step, context, timeout, false, error);
  if (verb == "list") return info(step, context, timeout, true, error);
  if (verb == "text") return readText(step, context, timeout, error);
  if (verb == "expect") return expect(step, context, timeout, error);
  if (verb == "click") return click(step, context, timeout, error);
  if (verb == "key") return key(step, context, timeout, error);
  if (verb == "close") return close(step, context, timeout, error);
  if (verb == "screenshot") return screenshot(step, context, timeout, error);
  if (verb == "msgbox") return messageBox(step, context, timeout, error);
  *known = false;
  return kUsage;
}

}  // namespace e2e
