#include "Windows.h"

#include <tlhelp32.h>

#include "../Text.h"

namespace e2e {

namespace {

constexpr DWORD kTextTimeoutMs = 2000;

bool boolKey(const Step& step, const char* key) {
  const std::string* value = step.raw(key);
  return value != nullptr && *value != "0" && *value != "no";
}

std::u16string baseName(const std::u16string& path) {
  std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

struct TopSearch {
  const WindowQuery* query;
  std::vector<DWORD> pids;
  std::vector<HWND> found;
};

bool matchesTop(HWND hwnd, const TopSearch& search) {
  const WindowQuery& query = *search.query;
  if (!query.hiddenToo && !IsWindowVisible(hwnd)) return false;
  std::u16string windowClass = classOf(hwnd);
  if (query.windowClass.empty()) {
    if (windowClass == u"#32768" || windowClass == u"#32770") return false;
  } else if (!equalsIgnoreCase(windowClass, query.windowClass)) {
    return false;
  }
  DWORD pid = processOf(hwnd);
  if (query.pid != 0 && pid != query.pid) return false;
  if (!query.exe.empty()) {
    bool named = false;
    for (DWORD candidate : search.pids) named = named || candidate == pid;
    if (!named) return false;
  }
  if (!query.title.empty() || !query.titlePart.empty()) {
    std::u16string title = windowText(hwnd);
    if (!query.title.empty() && title != query.title) return false;
    if (!query.titlePart.empty() && title.find(query.titlePart) == std::u16string::npos) {
      return false;
    }
  }
  return true;
}

BOOL CALLBACK collectTop(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TopSearch*>(param);
  if (matchesTop(hwnd, *search)) search->found.push_back(hwnd);
  return TRUE;
}

struct ControlSearch {
  const ControlQuery* query;
  std::vector<HWND> found;
};

BOOL CALLBACK collectControl(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  const ControlQuery& query = *search->query;
  if (!query.hiddenToo && !IsWindowVisible(hwnd)) return TRUE;
  if (!query.controlClass.empty() && !equalsIgnoreCase(classOf(hwnd), query.controlClass)) {
    return TRUE;
  }
  if (query.id >= 0 && GetDlgCtrlID(hwnd) != query.id) return TRUE;
  if (query.byText) {
    std::u16string text = windowText(hwnd);
    if (text != query.text && withoutMnemonics(text) != query.text) return TRUE;
  }
  search->found.push_back(hwnd);
  return TRUE;
}

bool textKey(const Step& step, const char* key, std::u16string* out, std::string* error) {
  return !step.has(key) || step.text(key, out, error);
}

}  // namespace

std::wstring wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
std::u16string narrow(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

bool WindowQuery::empty() const {
  return hwnd == nullptr && pid == 0 && exe.empty() && windowClass.empty() && title.empty() &&
         titlePart.empty();
}

bool windowQueryOf(const Step& step, WindowQuery* query, std::string* error) {
  *query = WindowQuery{};
  std::int64_t number = 0;
  if (!step.integer("hwnd", 0, &number, error)) return false;
  query->hwnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(number));
  if (!step.integer("pid", 0, &number, error)) return false;
  query->pid = static_cast<DWORD>(number);
  if (!step.integer("window-index", 0, &number, error)) return false;
  query->index = static_cast<int>(number);
  query->hiddenToo = boolKey(step, "hidden");
  if (!textKey(step, "exe", &query->exe, error) ||
      !textKey(step, "class", &query->windowClass, error) ||
      !textKey(step, "title", &query->title, error) ||
      !textKey(step, "title-part", &query->titlePart, error)) {
    return false;
  }
  query->exe = baseName(query->exe);
  return true;
}

bool controlQueryOf(const Step& step, ControlQuery* query, std::string* error) {
  *query = ControlQuery{};
  query->byText = step.has("control");
  if (!textKey(step, "control", &query->text, error) ||
      !textKey(step, "control-class", &query->controlClass, error)) {
    return false;
  }
  std::int64_t number = 0;
  if (!step.integer("control-id", -1, &number, error)) return false;
  query->id = static_cast<int>(number);
  if (!step.integer("control-index", 0, &number, error)) return false;
  query->index = static_cast<int>(number);
  query->hiddenToo = boolKey(step, "control-hidden");
  query->given =
      query->byText || !query->controlClass.empty() || query->id >= 0 || step.has("control-index");
  return true;
}

std::vector<HWND> topWindowsNow(const WindowQuery& query) {
  if (query.hwnd != nullptr) {
    if (!IsWindow(query.hwnd)) return {};
    if (!query.hiddenToo && !IsWindowVisible(query.hwnd)) return {};
    return {query.hwnd};
  }
  TopSearch search{&query, {}, {}};
  if (!query.exe.empty()) {
    search.pids = processesNamed(query.exe);
    if (search.pids.empty()) return {};
  }
  EnumWindows(collectTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> controlsNow(HWND top, const ControlQuery& query) {
  ControlSearch search{&query, {}};
  EnumChildWindows(top, collectControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::u16string windowText(HWND hwnd) {
  // Asking the window gives what its own procedure answers (a drawn control may keep its text
  // apart from the system's copy); a window that does not answer in time still has that copy.
  DWORD_PTR length = 0;
  if (SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                          &length) != 0) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                            SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied) != 0) {
      text.resize(static_cast<std::size_t>(copied) < text.size() ? copied : text.size() - 1);
      return narrow(text);
    }
  }
  wchar_t buffer[1024];
  int copied = InternalGetWindowText(hwnd, buffer, 1024);
  return narrow(std::wstring(buffer, copied > 0 ? copied : 0));
}

std::u16string classOf(HWND hwnd) {
  wchar_t name[256];
  int length = GetClassNameW(hwnd, name, 256);
  return narrow(std::wstring(name, length > 0 ? length : 0));
}

DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

std::vector<DWORD> processesNamed(const std::u16string& exe) {
  std::vector<DWORD> pids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return pids;
  PROCESSENTRY32W entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (equalsIgnoreCase(baseName(narrow(entry.szExeFile)), exe)) {
      pids.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return pids;
}

double preciseMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string handleText(HWND hwnd) {
  auto value = reinterpret_cast<ULONG_PTR>(hwnd);
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdef"[value % 16]);
    value /= 16;
  } while (value != 0);
  return "0x" + digits;
}

std::string describeWindow(HWND hwnd, HWND relativeTo) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  POINT origin{0, 0};
  if (relativeTo != nullptr) ClientToScreen(relativeTo, &origin);
  std::string line = handleText(hwnd) + " pid=" + std::to_string(processOf(hwnd)) +
                     " class=" + escapeText(classOf(hwnd)) +
                     " text=" + escapeText(windowText(hwnd)) +
                     " enabled=" + (IsWindowEnabled(hwnd) ? "1" : "0") +
                     " visible=" + (IsWindowVisible(hwnd) ? "1" : "0");
  if (relativeTo == nullptr) {
    LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    line += std::string(" topmost=") + ((exStyle & WS_EX_TOPMOST) ? "1" : "0");
  } else {
    line += " id=" + std::to_string(GetDlgCtrlID(hwnd));
  }
  line += " rect=" + std::to_string(rect.left - origin.x) + "," +
          std::to_string(rect.top - origin.y) + "," + std::to_string(rect.right - origin.x) + "," +
          std::to_string(rect.bottom - origin.y);
  return line;
}

}  // namespace e2e
