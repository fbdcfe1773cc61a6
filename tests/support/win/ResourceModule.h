#pragma once

// The program's resource script built into a resource-only module beside the Windows test
// executable (tests/lang/tests.cmake).

#include <windows.h>

#include <string>

namespace vexo_test {

inline std::u16string resourceModulePath() {
  wchar_t path[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring own(path, n);
  const std::wstring module = own.substr(0, own.find_last_of(L"\\/") + 1) + L"ombrel_resources.dll";
  return std::u16string(reinterpret_cast<const char16_t*>(module.c_str()));
}

}  // namespace vexo_test
