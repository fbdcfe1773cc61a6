#pragma once

// Makes a registry key read-only for everyone for the life of the object, as it is for a user
// without administrator rights, and puts its access list back afterwards. Wine does not save
// key security, so even a missed restore ends when the wineserver exits.

#include <sddl.h>
#include <windows.h>

#include <vector>

namespace vexo_test {

class ReadOnlyKey {
 public:
  ReadOnlyKey(HKEY root, const wchar_t* path) {
    // The handle keeps WRITE_DAC granted at open time, so the list can be restored later.
    if (RegOpenKeyExW(root, path, 0, READ_CONTROL | WRITE_DAC, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    DWORD size = 0;
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
    saved_.resize(size);
    if (size == 0 ||
        RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) {
      saved_.clear();
    }
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                             &readOnly, nullptr)) {
      applied_ = RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
      LocalFree(readOnly);
    }
  }
  ReadOnlyKey(const ReadOnlyKey&) = delete;
  ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;
  ~ReadOnlyKey() {
    if (key_ == nullptr) return;
    if (applied_) {
      if (!saved_.empty()) {
        RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data());
      } else {
        // No list could be read: open the key to everyone rather than leave it read-only.
        SECURITY_DESCRIPTOR open;
        InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
        RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &open);
      }
    }
    RegCloseKey(key_);
  }

  bool applied() const { return applied_; }

 private:
  HKEY key_ = nullptr;
  std::vector<BYTE> saved_;
  bool applied_ = false;
};

}  // namespace vexo_test
