// Verbs about processes, the registry and time: starting and ending programs, reading and
// comparing registry values byte for byte, and timing a program's start-up.

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../Text.h"
#include "Processes.h"
#include "Registry.h"
#include "Steps.h"
#include "Windows.h"

namespace e2e {

namespace {

struct ValuePlace {
  HKEY root = nullptr;
  std::wstring subKey;
  std::wstring name;
};

int placeOf(const Step& step, bool nameNeeded, ValuePlace* place, std::string* error) {
  std::u16string key;
  std::u16string name;
  if (!step.text("key", &key, error)) return kUsage;
  if (!parseKeyPath(key, &place->root, &place->subKey, error)) return kUsage;
  if (step.has("name")) {
    if (!step.text("name", &name, error)) return kUsage;
  } else if (nameNeeded) {
    *error = "missing name= (name=\"\" is the key's default value)";
    return kUsage;
  }
  place->name = wide(name);
  return kOk;
}

// The bytes a step gives: hex=, text= (UTF-16 with its terminating zero) or number= (as wide
// as the type).
int dataOf(const Step& step, DWORD* type, Bytes* data, std::string* error) {
  const std::string* typeName = step.raw("type");
  std::uint32_t typeNumber = 0;
  if (typeName == nullptr || !registryTypeOf(*typeName, &typeNumber)) {
    *error = "type= names a registry type (REG_SZ, REG_EXPAND_SZ, REG_DWORD, ...)";
    return kUsage;
  }
  *type = typeNumber;
  int given = (step.has("hex") ? 1 : 0) + (step.has("text") ? 1 : 0) + (step.has("number") ? 1 : 0);
  if (given != 1) {
    *error = "give the data once: hex=, text= or number=";
    return kUsage;
  }
  if (step.has("hex")) {
    if (!fromHex(*step.raw("hex"), data)) {
      *error = "hex= wants pairs of hex digits";
      return kUsage;
    }
  } else if (step.has("text")) {
    std::u16string text;
    if (!step.text("text", &text, error)) return kUsage;
    *data = utf16Bytes(text, true);
  } else {
    std::int64_t number = 0;
    if (!step.integer("number", 0, &number, error)) return kUsage;
    *data = littleEndian(static_cast<std::uint64_t>(number), *type == 11 ? 8 : 4);
  }
  return kOk;
}

std::string valueLine(const RegistryValue& value) {
  if (!value.present) return "value absent";
  std::string line = "value type=" + registryTypeName(value.type) +
                     " size=" + std::to_string(value.data.size()) + " hex=" + toHex(value.data);
  std::uint64_t number = 0;
  if (isTextType(value.type)) {
    line += " text=" + escapeText(textOfBytes(value.data));
  } else if ((value.type == 4 || value.type == 11) && numberOfBytes(value.data, &number)) {
    line += " number=" + std::to_string(number);
  }
  return line;
}

int regGet(const Step& step, std::string* error) {
  if (!step.onlyKeys({"key", "name", "print", "absent-ok"}, error)) return kUsage;
  ValuePlace place;
  int named = placeOf(step, true, &place, error);
  if (named != kOk) return named;
  RegistryValue value;
  if (!readValue(place.root, place.subKey, place.name, &value, error)) return kFailed;
  const std::string* print = step.raw("print");
  std::string what = print == nullptr ? "all" : *print;
  if (!value.present) {
    say("value absent");
    const std::string* absentOk = step.raw("absent-ok");
    if (absentOk != nullptr && *absentOk == "1") return kOk;
    *error = "the value is absent";
    return kFailed;
  }
  std::uint64_t number = 0;
  if (what == "all") {
    say(valueLine(value));
  } else if (what == "hex") {
    say(toHex(value.data));
  } else if (what == "type") {
    say(registryTypeName(value.type));
  } else if (what == "text" && isTextType(value.type)) {
    say(escapeText(textOfBytes(value.data)));
  } else if (what == "number" && numberOfBytes(value.data, &number)) {
    say(std::to_string(number));
  } else {
    *error = "print= is all, hex, type, text (of a string) or number (of a DWORD or QWORD)";
    return kUsage;
  }
  return kOk;
}

int regExpect(const Step& step, const Context& context, std::string* error) {
  if (!step.onlyKeys({"key", "name", "type", "hex", "text", "number", "absent", "timeout"},
                     error)) {
    return kUsage;
  }
  ValuePlace place;
  int named = placeOf(step, true, &place, error);
  if (named != kOk) return named;
  const std::string* absent = step.raw("absent");
  bool wantAbsent = absent != nullptr && *absent == "1";
  DWORD type = 0;
  Bytes data;
  if (!wantAbsent) {
    int given = dataOf(step, &type, &data, error);
    if (given != kOk) return given;
  }
  // Only a step that asks for it waits; by default the value must hold right now.
  DWORD timeout = 0;
  if (step.has("timeout")) {
    bool bad = false;
    timeout = timeoutOf(step, context, error, &bad);
    if (bad) return kUsage;
  }
  RegistryValue value;
  std::string difference;
  bool same = waitUntil(timeout, [&] {
    if (!readValue(place.root, place.subKey, place.name, &value, error)) return false;
    if (wantAbsent) {
      difference = value.present ? "the value is present: " + valueLine(value) : "";
    } else if (!value.present) {
      difference = "the value is absent";
    } else if (value.type != type) {
      difference =
          "the type is " + registryTypeName(value.type) + ", not " + registryTypeName(type);
    } else {
      difference = firstDifference(data, value.data) < 0
                       ? ""
                       : "the bytes differ " + describeDifference(data, value.data);
    }
    return difference.empty();
  });
  if (!same) {
    if (difference.empty()) return kFailed;  // the read itself failed; error says why
    *error = difference;
    return kFailed;
  }
  say(wantAbsent ? "absent as expected"
                 : "same " + registryTypeName(type) + " " + std::to_string(data.size()) + " bytes");
  return kOk;
}

int regSet(const Step& step, std::string* error) {
  if (!step.onlyKeys({"key", "name", "type", "hex", "text", "number"}, error)) return kUsage;
  ValuePlace place;
  int named = placeOf(step, true, &place, error);
  DWORD type = 0;
  Bytes data;
  if (named == kOk) named = dataOf(step, &type, &data, error);
  if (named != kOk) return named;
  if (!writeValue(place.root, place.subKey, place.name, type, data, error)) return kFailed;
  say("written " + registryTypeName(type) + " " + std::to_string(data.size()) + " bytes");
  return kOk;
}

int regDelete(const Step& step, std::string* error) {
  if (!step.onlyKeys({"key", "name"}, error)) return kUsage;
  ValuePlace place;
  int named = placeOf(step, false, &place, error);
  if (named != kOk) return named;
  bool done = step.has("name") ? deleteValue(place.root, place.subKey, place.name, error)
                               : deleteKeyTree(place.root, place.subKey, error);
  if (!done) return kFailed;
  say("deleted");
  return kOk;
}

int start(const Step& step, Context& context, std::string* error) {
  if (!step.onlyKeys({"exe", "args"}, error)) return kUsage;
  std::u16string exe;
  std::u16string arguments;
  if (!step.text("exe", &exe, error)) return kUsage;
  if (step.has("args") && !step.text("args", &arguments, error)) return kUsage;
  Process process;
  if (!process.start(windowsPath(exe), wide(arguments), error)) return kFailed;
  // Held while the process certainly exists, so that this run can wait for its end later.
  holdProcess(process.pid());
  context.pid = process.pid();
  context.window = nullptr;
  say("pid=" + std::to_string(process.pid()));
  return kOk;
}

int waitExit(const Step& step, Context& context, std::string* error) {
  if (!step.onlyKeys({"pid", "exe", "timeout", "code"}, error)) return kUsage;
  bool bad = false;
  DWORD timeout = timeoutOf(step, context, error, &bad);
  std::int64_t wanted = -1;
  if (bad || !step.integer("code", -1, &wanted, error)) return kUsage;
  DWORD pid = 0;
  int named = stepProcess(step, context, &pid, error);
  if (named != kOk) return named;
  DWORD code = 0;
  bool codeKnown = false;
  if (!waitForExit(pid, timeout, &code, &codeKnown, error)) return kFailed;
  if (!codeKnown) {
    say("exit-code=unknown");
    if (wanted < 0) return kOk;
    *error =
        "the program ended before its exit code could be read (wait for it in the same "
        "driver run as the step that ends it)";
    return kFailed;
  }
  say("exit-code=" + std::to_string(code));
  if (wanted >= 0 && code != static_cast<DWORD>(wanted)) {
    *error = "the program ended with " + std::to_string(code) + ", not " + std::to_string(wanted);
    return kFailed;
  }
  return kOk;
}

int kill(const Step& step, Context& context, std::string* error) {
  if (!step.onlyKeys({"pid", "exe"}, error)) return kUsage;
  std::vector<DWORD> pids;
  if (step.has("exe") && !step.has("pid")) {
    std::u16string exe;
    if (!step.text("exe", &exe, error)) return kUsage;
    pids = processesNamed(exe.substr(exe.find_last_of(u"\\/") + 1));
  } else {
    DWORD pid = 0;
    int named = stepProcess(step, context, &pid, error);
    if (named != kOk) return named;
    pids.push_back(pid);
  }
  int killed = 0;
  for (DWORD pid : pids) killed += killProcess(pid) ? 1 : 0;
  say("killed " + std::to_string(killed));
  return kOk;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string milliseconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// One start: from CreateProcess to the first visible window of the new process; then the
// window is closed and the process waited for, so runs never overlap.
bool timeOneLaunch(const std::wstring& exe, const std::wstring& windowClass, DWORD timeoutMs,
                   double* ms, std::string* error) {
  Process process;
  double begin = preciseMs();
  if (!process.start(exe, L"", error)) return false;
  HWND window = nullptr;
  unsigned long long end = nowMs() + timeoutMs;
  while ((window = visibleWindowOf(process.pid(), windowClass)) == nullptr) {
    if (!process.running()) {
      *error = "the program ended without showing a window";
      return false;
    }
    if (nowMs() >= end) {
      killProcess(process.pid());
      *error = "no window within " + std::to_string(timeoutMs) + " ms";
      return false;
    }
    Sleep(1);
  }
  *ms = preciseMs() - begin;
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.handle(), timeoutMs) != WAIT_OBJECT_0) {
    killProcess(process.pid());
    *error = "the program did not end on WM_CLOSE";
    return false;
  }
  return true;
}

int launchTime(const Step& step, Context& context, std::string* error) {
  if (!step.onlyKeys({"exe", "runs", "class", "timeout", "warmup"}, error)) return kUsage;
  std::vector<std::string> exes = step.all("exe");
  std::int64_t runs = 20;
  std::int64_t warmup = 1;
  bool bad = false;
  DWORD timeout = timeoutOf(step, context, error, &bad);
  if (exes.empty() || bad || !step.integer("runs", 20, &runs, error) ||
      !step.integer("warmup", 1, &warmup, error) || runs < 1 || warmup < 0) {
    if (error->empty()) *error = "give exe= (one or more) and runs=";
    return kUsage;
  }
  std::u16string windowClass;
  if (step.has("class") && !step.text("class", &windowClass, error)) return kUsage;
  std::vector<std::wstring> paths;
  std::vector<std::string> names;  // for the report: the file names are enough
  for (const std::string& exe : exes) {
    std::u16string text;
    if (!unescapeText(exe, &text)) return kUsage;
    paths.push_back(windowsPath(text));
    names.push_back(escapeText(text.substr(text.find_last_of(u"\\/") + 1)));
  }
  std::vector<std::vector<double>> times(paths.size());
  // The programs take turns, so a drift of the machine's load spreads over all of them.
  for (std::int64_t run = -warmup; run < runs; ++run) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      double ms = 0;
      if (!timeOneLaunch(paths[i], wide(windowClass), timeout, &ms, error)) {
        *error = names[i] + ": " + *error;
        return kFailed;
      }
      if (run < 0) continue;
      times[i].push_back(ms);
      say("run " + std::to_string(run + 1) + " exe=" + names[i] + " ms=" + milliseconds(ms));
    }
  }
  std::vector<double> medians;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    medians.push_back(median(times[i]));
    auto range = std::minmax_element(times[i].begin(), times[i].end());
    say("median exe=" + names[i] + " ms=" + milliseconds(medians[i]) +
        " min=" + milliseconds(*range.first) + " max=" + milliseconds(*range.second) +
        " runs=" + std::to_string(times[i].size()));
  }
  for (std::size_t i = 1; i < paths.size(); ++i) {
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2f", medians[i] / medians[0]);
    say("ratio exe=" + names[i] + " to=" + names[0] + " value=" + ratio);
  }
  return kOk;
}

}  // namespace

int systemStep(const Step& step, Context& context, std::string* error, bool* known) {
  *known = true;
  const std::string& verb = step.verb;
  if (verb == "reg-get") return regGet(step, error);
  if (verb == "reg-expect") return regExpect(step, context, error);
  if (verb == "reg-set") return regSet(step, error);
  if (verb == "reg-delete") return regDelete(step, error);
  if (verb == "start") return start(step, context, error);
  if (verb == "wait-exit") return waitExit(step, context, error);
  if (verb == "kill") return kill(step, context, error);
  if (verb == "launch-time") return launchTime(step, context, error);
  if (verb == "sleep") {
    std::int64_t ms = 0;
    if (!step.onlyKeys({"ms"}, error) || !step.integer("ms", 0, &ms, error) || ms < 0 ||
        ms > 600000) {
      if (error->empty()) *error = "ms= is a number of milliseconds";
      return kUsage;
    }
    Sleep(static_cast<DWORD>(ms));
    return kOk;
  }
  *known = false;
  return kUsage;
}

}  // namespace e2e
