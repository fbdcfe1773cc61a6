#pragma once

// The driver's verbs and what they share: the current window and process of a script, the
// default wait and input mode, and how a step reports.

#include <windows.h>

#include <string>

#include "../Step.h"
#include "Input.h"

namespace e2e {

enum Outcome { kOk = 0, kFailed = 1, kUsage = 2 };

// What one step leaves for the next in a script: the window and process it found.
struct Context {
  HWND window = nullptr;
  DWORD pid = 0;
  InputMode input = InputMode::kPost;
  DWORD timeoutMs = 10000;
};

// One result line on standard output; failures go to standard error.
void say(const std::string& line);
void complain(const std::string& line);

int runStep(const Step& step, Context& context, std::string* error);

// Shared by the verbs.
DWORD timeoutOf(const Step& step, const Context& context, std::string* error, bool* bad);
// The top-level window a step names, waited for; the context's current one when it names none.
int findTop(const Step& step, Context& context, DWORD timeoutMs, HWND* top, std::string* error);
// The control a step names inside top, waited for; null when it names none.
int findControl(const Step& step, HWND top, DWORD timeoutMs, HWND* control, std::string* error);
// Both: the window, then the control in it (null when the step names none).
int findTopAndControl(const Step& step, Context& context, DWORD timeoutMs, HWND* top, HWND* control,
                      std::string* error);
// The process a step means: pid=, exe= (the first such process), the current one.
int stepProcess(const Step& step, Context& context, DWORD* pid, std::string* error);

int windowStep(const Step& step, Context& context, std::string* error, bool* known);
int menuStep(const Step& step, Context& context, std::string* error, bool* known);
int systemStep(const Step& step, Context& context, std::string* error, bool* known);

}  // namespace e2e
