#pragma once

// Registry values read and written with the plain Win32 calls, apart from the program's own
// native layer, so that what a check reads is what any other program would see.

#include <windows.h>

#include <string>

#include "../Bytes.h"

namespace e2e {

struct RegistryValue {
  bool present = false;
  DWORD type = 0;
  Bytes data;
};

// "HKLM\SYSTEM\..." or "HKEY_LOCAL_MACHINE\SYSTEM\..." (also HKCU, HKU, HKCR).
bool parseKeyPath(const std::u16string& path, HKEY* root, std::wstring* subKey, std::string* error);

// A missing key or value reads as not present; other failures are errors.
bool readValue(HKEY root, const std::wstring& subKey, const std::wstring& name,
               RegistryValue* value, std::string* error);
bool writeValue(HKEY root, const std::wstring& subKey, const std::wstring& name, DWORD type,
                const Bytes& data, std::string* error);
// A value, or with no name the key and everything below it. Missing is not an error.
bool deleteValue(HKEY root, const std::wstring& subKey, const std::wstring& name,
                 std::string* error);
bool deleteKeyTree(HKEY root, const std::wstring& subKey, std::string* error);

}  // namespace e2e
