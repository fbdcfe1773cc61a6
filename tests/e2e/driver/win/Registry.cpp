#include "Registry.h"

#include "Windows.h"

namespace e2e {

namespace {

struct RootName {
  const char16_t* shortName;
  const char16_t* longName;
  HKEY root;
};

const RootName kRoots[] = {
    {u"HKLM", u"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {u"HKCU", u"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {u"HKU", u"HKEY_USERS", HKEY_USERS},
    {u"HKCR", u"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
};

std::string failure(const char* what, LONG status) {
  return std::string(what) + " failed (error " + std::to_string(status) + ")";
}

// XP has no call that removes a key with its sub-keys: children go first, one by one.
LONG deleteTreeUnder(HKEY parent, const std::wstring& name) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE | DELETE, &key);
  if (status != ERROR_SUCCESS) return status;
  for (;;) {
    wchar_t child[256];
    DWORD length = 256;
    status = RegEnumKeyExW(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;
    status = deleteTreeUnder(key, std::wstring(child, length));
    if (status != ERROR_SUCCESS) {
      RegCloseKey(key);
      return status;
    }
  }
  RegCloseKey(key);
  return RegDeleteKeyW(parent, name.c_str());
}

}  // namespace

bool parseKeyPath(const std::u16string& path, HKEY* root, std::wstring* subKey,
                  std::string* error) {
  std::size_t slash = path.find(u'\\');
  std::u16string head = path.substr(0, slash);
  for (const RootName& name : kRoots) {
    if (head == name.shortName || head == name.longName) {
      *root = name.root;
      *subKey = slash == std::u16string::npos ? std::wstring() : wide(path.substr(slash + 1));
      return true;
    }
  }
  *error = "a key path starts with HKLM, HKCU, HKU or HKCR";
  return false;
}

bool readValue(HKEY root, const std::wstring& subKey, const std::wstring& name,
               RegistryValue* value, std::string* error) {
  *value = RegistryValue{};
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status != ERROR_SUCCESS) {
    *error = failure("opening the key", status);
    return false;
  }
  DWORD size = 0;
  status = RegQueryValueExW(key, name.c_str(), nullptr, &value->type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value->data.resize(size);
    status = RegQueryValueExW(key, name.c_str(), nullptr, &value->type,
                              size == 0 ? nullptr : value->data.data(), &size);
    value->data.resize(size);
  }
  RegCloseKey(key);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status != ERROR_SUCCESS) {
    *error = failure("reading the value", status);
    return false;
  }
  value->present = true;
  return true;
}

bool writeValue(HKEY root, const std::wstring& subKey, const std::wstring& name, DWORD type,
                const Bytes& data, std::string* error) {
  HKEY key = nullptr;
  LONG status =
      RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    *error = failure("creating the key", status);
    return false;
  }
  status = RegSetValueExW(key, name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                          static_cast<DWORD>(data.size()));
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) {
    *error = failure("writing the value", status);
    return false;
  }
  return true;
}

bool deleteValue(HKEY root, const std::wstring& subKey, const std::wstring& name,
                 std::string* error) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(root, subKey.c_str(), 0, KEY_SET_VALUE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status == ERROR_SUCCESS) {
    status = RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
  }
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    *error = failure("deleting the value", status);
    return false;
  }
  return true;
}

bool deleteKeyTree(HKEY root, const std::wstring& subKey, std::string* error) {
  if (subKey.empty()) {
    *error = "refusing to delete a whole root";
    return false;
  }
  LONG status = deleteTreeUnder(root, subKey);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    *error = failure("deleting the key", status);
    return false;
  }
  return true;
}

}  // namespace e2e
