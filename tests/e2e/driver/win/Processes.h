#pragma once

// Starting, timing and ending the programs a test drives.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A Unix path ("/work/x.exe") as Wine's Z: drive shows it; a Windows path stays as it is.
std::wstring windowsPath(const std::u16string& path);

// Owns the handles CreateProcess gives.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept { *this = static_cast<Process&&>(other); }
  Process& operator=(Process&& other) noexcept;
  ~Process() { close(); }

  bool start(const std::wstring& exe, const std::wstring& arguments, std::string* error);
  DWORD pid() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  bool running() const;

 private:
  void close();
  PROCESS_INFORMATION info_{};
};

// Keeps a handle to a running process for the rest of this driver run, so that its end and exit
// code can still be read after it has gone (a process that ended is gone with its last handle).
void holdProcess(DWORD pid);

// Waits for a process to end; exitCode is its code. A process neither held nor found any more
// has ended too, but its code is lost: then codeKnown is false.
bool waitForExit(DWORD pid, DWORD timeoutMs, DWORD* exitCode, bool* codeKnown, std::string* error);
bool killProcess(DWORD pid);

// The first visible top-level window of a process (of a class, when one is given).
HWND visibleWindowOf(DWORD pid, const std::wstring& windowClass);

}  // namespace e2e
