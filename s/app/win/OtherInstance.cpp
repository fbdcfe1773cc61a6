#include "s/app/win/OtherInstance.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::app::win {

namespace {

using s::str::strbuffer::StrBuffer;

// Block the sender, give up on a hung receiver, no time-out while it answers.
constexpr UINT kSendFlags = SMTO_BLOCK | SMTO_ABORTIFHUNG | 0x0008;
constexpr UINT kSendTimeoutMs = 3000;
constexpr int kMaxTitle = 512;
constexpr std::uint32_t kMaxSignalled = 64;

// Owns a handle; INVALID_HANDLE_VALUE and null both mean none.
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (valid()) CloseHandle(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool isCopyOfProgram(DWORD processId, const char16_t* programPath) {
  char16_t path[MAX_PATH];
  return executablePathOf(processId, path, MAX_PATH) &&
         s::str::strbuffer::newStr(path)->regionMatchesIgnoreCase(
             0, programPath, 0, s::str::strbuffer::StrBuffer::kAll);
}

// The file name at the end of a path (the whole text when it has no folder).
const char16_t* fileNameOf(const char16_t* path) {
  const char16_t* name = path;
  for (const char16_t* c = path; *c != 0; ++c) {
    if (*c == u'\\' || *c == u'/') name = c + 1;
  }
  return name;
}

bool hasShortNameMark(const char16_t* name) {
  for (const char16_t* c = name; *c != 0; ++c) {
    if (*c == u'~') return true;
  }
  return false;
}

// Whether a listed process can be running the program at all. Reading a process's module list
// is a slow query of that process, so it is made only for processes listed under the program's
// own file name. A short 8.3 name says nothing about the long one: those are always read.
bool mayRunProgram(const PROCESSENTRY32W& entry, const char16_t* programPath) {
  const char16_t* listed = fileNameOf(reinterpret_cast<const char16_t*>(entry.szExeFile));
  const char16_t* own = fileNameOf(programPath);
  if (hasShortNameMark(listed) || hasShortNameMark(own)) return true;
  return s::str::strbuffer::newStr(listed)->regionMatchesIgnoreCase(
      0, own, 0, s::str::strbuffer::StrBuffer::kAll);
}

// The top-level windows of one process that match a title text (or, without one, that have a
// title). A window with an empty title matches a text only when no titled window does.
struct WindowSearch {
  DWORD processId = 0;
  const StrBuffer* titleText = nullptr;
  HWND titled = nullptr;
  HWND untitled = nullptr;
};

BOOL CALLBACK onTopLevelWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId) return TRUE;
  wchar_t title[kMaxTitle];
  const int length = GetWindowTextW(window, title, kMaxTitle);
  if (length < 0) return TRUE;
  title[length] = 0;
  if (search->titleText == nullptr) {
    if (length == 0) return TRUE;
    search->titled = window;
    return FALSE;
  }
  // The title must begin the text, letter case aside; an empty title begins every text.
  if (!search->titleText->startsWithIgnoreCase(reinterpret_cast<const char16_t*>(title))) {
    return TRUE;
  }
  if (length > 0) {
    search->titled = window;
    return FALSE;
  }
  if (search->untitled == nullptr) search->untitled = window;
  return TRUE;
}

HWND findWindowOf(DWORD processId, const StrBuffer* titleText) {
  WindowSearch search;
  search.processId = processId;
  search.titleText = titleText;
  EnumWindows(&onTopLevelWindow, reinterpret_cast<LPARAM>(&search));
  return search.titled != nullptr ? search.titled : search.untitled;
}

void sendSignal(HANDLE process, DWORD processId, HWND window, bool notifyStart) {
  // The copy that starts now is the foreground process: it lets the first one come forward.
  AllowSetForegroundWindow(processId);
  WaitForInputIdle(process, INFINITE);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, kMessageRestoreAndActivate, 0, 0, kSendFlags, kSendTimeoutMs,
                      &answer);
  if (notifyStart) {
    SendMessageTimeoutW(window, kMessageAnotherCopyStarted, 0, 0, kSendFlags, kSendTimeoutMs,
                        &answer);
  }
}

// Every language's title text may name another window; each window is told once.
void signalInstance(DWORD processId, const InstanceSearch& search) {
  ScopedHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
  if (!process.valid()) return;
  if (!search.useLocalizer || search.localizer == nullptr) {
    HWND window = findWindowOf(processId, nullptr);
    if (window != nullptr) sendSignal(process.get(), processId, window, search.notifyStart);
    return;
  }
  HWND signalled[kMaxSignalled];
  std::uint32_t signalledCount = 0;
  const s::lang::Localizer& localizer = *search.localizer;
  for (std::uint32_t i = 0; i < localizer.packCount(); ++i) {
    const s::lang::LangPack* pack = localizer.packAt(i);
    std::uint32_t index = 0;
    auto title = s::str::strbuffer::newStr(
        pack->findId(search.titleEntry, &index) ? pack->textAt(index).text() : u"");
    HWND window = findWindowOf(processId, title.get());
    if (window == nullptr) continue;
    bool seen = false;
    for (std::uint32_t j = 0; j < signalledCount && !seen; ++j) seen = signalled[j] == window;
    if (seen) continue;
    if (signalledCount < kMaxSignalled) signalled[signalledCount++] = window;
    sendSignal(process.get(), processId, window, search.notifyStart);
  }
}

// Finds the other process, then signals it when asked.
bool foundInstance(DWORD processId, const InstanceSearch& search) {
  if (search.signal) signalInstance(processId, search);
  return true;
}

struct DesktopSearch {
  const InstanceSearch* search = nullptr;
  DWORD found = 0;
};

BOOL CALLBACK onDesktopWindow(HWND window, LPARAM lParam) {
  auto* desktop = reinterpret_cast<DesktopSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0 || processId == GetCurrentProcessId()) return TRUE;
  if (!isCopyOfProgram(processId, desktop->search->programPath)) return TRUE;
  desktop->found = processId;
  return FALSE;
}

}  // namespace

bool executablePathOf(std::uint32_t processId, char16_t* path, std::uint32_t room) {
  ScopedHandle modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!modules.valid() || room == 0) return false;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  if (!Module32FirstW(modules.get(), &module)) return false;
  std::uint32_t i = 0;
  for (; i + 1 < room && module.szExePath[i] != 0; ++i) path[i] = module.szExePath[i];
  path[i] = 0;
  return true;
}

bool findOtherInstanceByProcessList(const InstanceSearch& search) {
  if (search.programPath == nullptr) return false;
  ScopedHandle processes(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!processes.valid()) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  const DWORD self = GetCurrentProcessId();
  for (BOOL more = Process32FirstW(processes.get(), &entry); more;
       more = Process32NextW(processes.get(), &entry)) {
    if (entry.th32ProcessID == 0 || entry.th32ProcessID == self) continue;
    if (!mayRunProgram(entry, search.programPath)) continue;
    if (isCopyOfProgram(entry.th32ProcessID, search.programPath)) {
      return foundInstance(entry.th32ProcessID, search);
    }
  }
  return false;
}

bool findOtherInstanceOnDesktop(const InstanceSearch& search) {
  if (search.programPath == nullptr) return false;
  DesktopSearch desktop;
  desktop.search = &search;
  EnumDesktopWindows(GetThreadDesktop(GetCurrentThreadId()), &onDesktopWindow,
                     reinterpret_cast<LPARAM>(&desktop));
  return desktop.found != 0 && foundInstance(desktop.found, search);
}

}  // namespace s::app::win
