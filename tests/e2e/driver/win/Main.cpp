// e2e_driver: drives another program's windows from outside, one step per call or a script of
// steps (e2e_driver run FILE, or - for standard input). Prints what it finds; exits 0 when every
// step held, 1 when one did not, 2 on a step it cannot read.

#include <windows.h>

#include <string>
#include <vector>

#include "../Step.h"
#include "../Text.h"
#include "Processes.h"
#include "Steps.h"
#include "Windows.h"

namespace {

using e2e::Context;
using e2e::Step;

const char* const kUsage =
    "usage: e2e_driver VERB key=value...   or   e2e_driver run SCRIPT|-\n"
    "windows: wait-window wait-gone info list text expect click key close screenshot msgbox\n"
    "menus:   menu menu-items popup-items popup-choose popup-close\n"
    "system:  start wait-exit kill reg-get reg-expect reg-set reg-delete sleep launch-time\n"
    "window keys: hwnd= pid= exe= class= title= title-part= hidden=1 window-index=\n"
    "control keys: control=TEXT control-class= control-id= control-index=\n"
    "common: timeout=MS input=post|send; texts take \\n \\r \\t \\\" \\\\ \\uXXXX\n"
    "environment: VEXO_E2E_INPUT=post|send, VEXO_E2E_TIMEOUT_MS\n";

std::vector<std::string> commandWords() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> words;
  for (int i = 1; arguments != nullptr && i < count; ++i) {
    words.push_back(e2e::toUtf8(e2e::narrow(arguments[i])));
  }
  LocalFree(arguments);
  return words;
}

bool readAll(const std::string& source, std::string* text) {
  HANDLE in = nullptr;
  bool own = source != "-";
  if (own) {
    std::wstring path = e2e::windowsPath(e2e::fromUtf8(source));
    in = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                     nullptr);
  } else {
    in = GetStdHandle(STD_INPUT_HANDLE);
  }
  if (in == nullptr || in == INVALID_HANDLE_VALUE) return false;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) text->append(buffer, got);
  if (own) CloseHandle(in);
  return true;
}

Context contextFromEnvironment() {
  Context context;
  wchar_t value[32];
  DWORD length = GetEnvironmentVariableW(L"VEXO_E2E_INPUT", value, 32);
  if (length > 0 && length < 32 && std::wstring(value) == L"send") {
    context.input = e2e::InputMode::kSend;
  }
  length = GetEnvironmentVariableW(L"VEXO_E2E_TIMEOUT_MS", value, 32);
  std::int64_t timeout = 0;
  if (length > 0 && length < 32 && e2e::parseInteger(e2e::toUtf8(e2e::narrow(value)), &timeout) &&
      timeout > 0) {
    context.timeoutMs = static_cast<DWORD>(timeout);
  }
  return context;
}

int runOne(const Step& step, Context& context) {
  std::string error;
  int outcome = e2e::runStep(step, context, &error);
  if (outcome != e2e::kOk) {
    std::string where = step.line > 0 ? "line " + std::to_string(step.line) + ": " : "";
    e2e::complain("e2e_driver: " + where + step.verb + ": " + (error.empty() ? "failed" : error));
  }
  return outcome;
}

int runScript(const std::string& source, Context& context) {
  std::string text;
  if (!readAll(source, &text)) {
    e2e::complain("e2e_driver: cannot read " + source);
    return e2e::kUsage;
  }
  std::size_t start = 0;
  int line = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++line;
    Step step;
    std::string error;
    if (!e2e::parseStepLine(text.substr(start, end - start), &step, &error)) {
      e2e::complain("e2e_driver: line " + std::to_string(line) + ": " + error);
      return e2e::kUsage;
    }
    start = end + 1;
    if (step.verb.empty()) continue;
    step.line = line;
    int outcome = runOne(step, context);
    if (outcome != e2e::kOk) return outcome;
  }
  return e2e::kOk;
}

}  // namespace

int main() {
  std::vector<std::string> words = commandWords();
  if (words.empty() || words[0] == "help" || words[0] == "--help") {
    e2e::say(kUsage);
    return words.empty() ? e2e::kUsage : e2e::kOk;
  }
  Context context = contextFromEnvironment();
  if (words[0] == "run") {
    if (words.size() != 2) {
      e2e::complain(kUsage);
      return e2e::kUsage;
    }
    return runScript(words[1], context);
  }
  return runOne(e2e::stepFromWords(words), context);
}
