#include "s/system/os/Platform.h"

#include <windows.h>

namespace s::system::os {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

VersionFacts queryVersionFacts() {
  VersionFacts facts;
  OSVERSIONINFOW info;
  ZeroMemory(&info, sizeof info);
  info.dwOSVersionInfoSize = 276;
  static_assert(sizeof(OSVERSIONINFOW) == 276, "OSVERSIONINFOW layout");
  if (GetVersionExW(&info)) {
    facts.platformId = info.dwPlatformId;
    facts.majorVersion = info.dwMajorVersion;
    facts.minorVersion = info.dwMinorVersion;
    facts.buildNumber = info.dwBuildNumber;
    for (int i = 0; i < 127 && info.szCSDVersion[i] != 0; ++i) {
      facts.servicePack[i] = static_cast<char16_t>(info.szCSDVersion[i]);
    }
  }
  // IsWow64Process is missing before XP SP2; looked up so that the program still loads there.
  using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleW(L"kernel32");
  auto isWow64Process = kernel == nullptr ? nullptr
                                          : reinterpret_cast<IsWow64Fn>(reinterpret_cast<void*>(
                                                GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64)) {
    facts.isWow64 = wow64 != FALSE;
  }
  return facts;
}

bool queryTotalPhysicalMemory(std::uint64_t* bytes) {
  MEMORYSTATUSEX status;
  ZeroMemory(&status, sizeof status);
  status.dwLength = 64;
  static_assert(sizeof(MEMORYSTATUSEX) == 64, "MEMORYSTATUSEX layout");
  if (!GlobalMemoryStatusEx(&status)) return false;
  *bytes = status.ullTotalPhys;
  return true;
}

}  // namespace s::system::os
