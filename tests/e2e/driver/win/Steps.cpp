#include "Steps.h"

#include "../Text.h"
#include "Processes.h"
#include "Windows.h"

namespace e2e {

namespace {

void writeLine(DWORD which, const std::string& line) {
  HANDLE out = GetStdHandle(which);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  std::string text = line + "\n";
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(out, &mode)) {
    std::wstring wideText = wide(fromUtf8(text));
    WriteConsoleW(out, wideText.c_str(), static_cast<DWORD>(wideText.size()), &written, nullptr);
  } else {
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

std::string queryText(const WindowQuery& query) {
  std::string text;
  if (query.hwnd != nullptr) text += " hwnd=" + handleText(query.hwnd);
  if (query.pid != 0) text += " pid=" + std::to_string(query.pid);
  if (!query.exe.empty()) text += " exe=" + escapeText(query.exe);
  if (!query.windowClass.empty()) text += " class=" + escapeText(query.windowClass);
  if (!query.title.empty()) text += " title=" + escapeText(query.title);
  if (!query.titlePart.empty()) text += " title-part=" + escapeText(query.titlePart);
  return text;
}

}  // namespace

void say(const std::string& line) { writeLine(STD_OUTPUT_HANDLE, line); }
void complain(const std::string& line) { writeLine(STD_ERROR_HANDLE, line); }

DWORD timeoutOf(const Step& step, const Context& context, std::string* error, bool* bad) {
  std::int64_t value = 0;
  *bad = !step.integer("timeout", context.timeoutMs, &value, error) || value < 0;
  if (*bad && error->empty()) *error = "timeout= is a number of milliseconds";
  return static_cast<DWORD>(value);
}

int findTop(const Step& step, Context& context, DWORD timeoutMs, HWND* top, std::string* error) {
  WindowQuery query;
  if (!windowQueryOf(step, &query, error)) return kUsage;
  if (query.empty()) {
    if (context.window != nullptr && IsWindow(context.window)) {
      *top = context.window;
      return kOk;
    }
    if (context.pid == 0) {
      *error = "which window? give exe=, pid=, class=, title= or hwnd=";
      return kUsage;
    }
    query.pid = context.pid;
  }
  HWND found = nullptr;
  bool seen = waitUntil(timeoutMs, [&] {
    std::vector<HWND> windows = topWindowsNow(query);
    if (static_cast<int>(windows.size()) <= query.index) return false;
    found = windows[static_cast<std::size_t>(query.index)];
    return true;
  });
  if (!seen) {
    *error = "no window" + queryText(query) + " within " + std::to_string(timeoutMs) + " ms";
    return kFailed;
  }
  *top = found;
  context.window = found;
  context.pid = e2e::processOf(found);
  return kOk;
}

int findControl(const Step& step, HWND top, DWORD timeoutMs, HWND* control, std::string* error) {
  ControlQuery query;
  if (!controlQueryOf(step, &query, error)) return kUsage;
  *control = nullptr;
  if (!query.given) return kOk;
  bool seen = waitUntil(timeoutMs, [&] {
    std::vector<HWND> controls = controlsNow(top, query);
    if (static_cast<int>(controls.size()) <= query.index) return false;
    *control = controls[static_cast<std::size_t>(query.index)];
    return true;
  });
  if (!seen) {
    *error = "no such control in " + handleText(top) + " within " + std::to_string(timeoutMs) +
             " ms" + (query.byText ? " (text " + escapeText(query.text) + ")" : "");
    return kFailed;
  }
  return kOk;
}

int findTopAndControl(const Step& step, Context& context, DWORD timeoutMs, HWND* top, HWND* control,
                      std::string* error) {
  *control = nullptr;
  int found = findTop(step, context, timeoutMs, top, error);
  return found == kOk ? findControl(step, *top, timeoutMs, control, error) : found;
}

int stepProcess(const Step& step, Context& context, DWORD* pid, std::string* error) {
  std::int64_t number = 0;
  if (!step.integer("pid", 0, &number, error)) return kUsage;
  *pid = static_cast<DWORD>(number);
  if (*pid != 0) return kOk;
  if (step.has("exe")) {
    std::u16string exe;
    if (!step.text("exe", &exe, error)) return kUsage;
    std::vector<DWORD> pids = processesNamed(exe.substr(exe.find_last_of(u"\\/") + 1));
    if (pids.empty()) {
      *error = "no process " + escapeText(exe);
      return kFailed;
    }
    *pid = pids.front();
    return kOk;
  }
  if (context.window != nullptr && IsWindow(context.window)) {
    *pid = e2e::processOf(context.window);
  } else {
    *pid = context.pid;
  }
  if (*pid == 0) {
    *error = "which process? give pid= or exe=";
    return kUsage;
  }
  return kOk;
}

int runStep(const Step& step, Context& context, std::string* error) {
  // A process a step names may end by that step (a pressed box, a close): a later step of the
  // same run can still read how it ended.
  std::int64_t named = 0;
  std::string ignored;
  if (step.has("pid") && step.integer("pid", 0, &named, &ignored) && named > 0) {
    holdProcess(static_cast<DWORD>(named));
  }
  bool known = false;
  int outcome = windowStep(step, context, error, &known);
  if (!known) outcome = menuStep(step, context, error, &known);
  if (!known) outcome = systemStep(step, context, error, &known);
  if (!known) {
    *error = "unknown verb " + step.verb + " (e2e_driver help lists them)";
    return kUsage;
  }
  return outcome;
}

}  // namespace e2e
