#include "Processes.h"

#include <utility>

#include "Windows.h"

namespace e2e {

namespace {

struct VisibleSearch {
  DWORD pid;
  const std::wstring* windowClass;
  HWND found;
};

BOOL CALLBACK firstVisible(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<VisibleSearch*>(param);
  if (!IsWindowVisible(hwnd) || processOf(hwnd) != search->pid) return TRUE;
  if (!search->windowClass->empty() && wide(classOf(hwnd)) != *search->windowClass) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

std::wstring windowsPath(const std::u16string& path) {
  std::wstring out = wide(path);
  if (out.empty() || out[0] != L'/') return out;
  for (wchar_t& c : out) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + out;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    close();
    info_ = other.info_;
    other.info_ = PROCESS_INFORMATION{};
  }
  return *this;
}

void Process::close() {
  if (info_.hThread != nullptr) CloseHandle(info_.hThread);
  if (info_.hProcess != nullptr) CloseHandle(info_.hProcess);
  info_ = PROCESS_INFORMATION{};
}

bool Process::start(const std::wstring& exe, const std::wstring& arguments, std::string* error) {
  close();
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring directory = exe.substr(0, exe.find_last_of(L"\\/"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // The program must not hold the driver's output open: a script reading it would wait for
  // the program to end.
  startup.dwFlags = STARTF_USESTDHANDLES;
  if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &info_)) {
    *error = "cannot start the program (error " + std::to_string(GetLastError()) + ")";
    info_ = PROCESS_INFORMATION{};
    return false;
  }
  return true;
}

bool Process::running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

constexpr DWORD kWaitAccess = SYNCHRONIZE | PROCESS_QUERY_INFORMATION;

// The handles holdProcess took, closed when the driver ends.
class HeldProcesses {
 public:
  ~HeldProcesses() {
    for (const auto& held : handles_) CloseHandle(held.second);
  }
  void hold(DWORD pid) {
    if (find(pid) != nullptr) return;
    HANDLE process = OpenProcess(kWaitAccess, FALSE, pid);
    if (process != nullptr) handles_.emplace_back(pid, process);
  }
  HANDLE find(DWORD pid) const {
    for (const auto& held : handles_) {
      if (held.first == pid) return held.second;
    }
    return nullptr;
  }

 private:
  std::vector<std::pair<DWORD, HANDLE>> handles_;
};

HeldProcesses& heldProcesses() {
  static HeldProcesses held;
  return held;
}

}  // namespace

void holdProcess(DWORD pid) {
  if (pid != 0) heldProcesses().hold(pid);
}

bool waitForExit(DWORD pid, DWORD timeoutMs, DWORD* exitCode, bool* codeKnown, std::string* error) {
  *codeKnown = false;
  HANDLE held = heldProcesses().find(pid);
  HANDLE process = held != nullptr ? held : OpenProcess(kWaitAccess, FALSE, pid);
  if (process == nullptr) {
    if (GetLastError() == ERROR_INVALID_PARAMETER) return true;
    *error = "cannot wait for process " + std::to_string(pid) + " (error " +
             std::to_string(GetLastError()) + ")";
    return false;
  }
  DWORD waited = WaitForSingleObject(process, timeoutMs);
  bool ended = waited == WAIT_OBJECT_0;
  *codeKnown = ended && GetExitCodeProcess(process, exitCode);
  if (held == nullptr) CloseHandle(process);
  if (!ended) *error = "process " + std::to_string(pid) + " still runs";
  return ended;
}

bool killProcess(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return false;
  bool killed = TerminateProcess(process, 255) && WaitForSingleObject(process, 5000) == 0;
  CloseHandle(process);
  return killed;
}

HWND visibleWindowOf(DWORD pid, const std::wstring& windowClass) {
  VisibleSearch search{pid, &windowClass, nullptr};
  EnumWindows(firstVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace e2e
