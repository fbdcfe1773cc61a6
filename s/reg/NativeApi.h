#pragma once

#include <cstdint>

#include "s/reg/NtStatus.h"

// The native registry calls use the system calling convention, which differs from the C++ one
// only on 32-bit Windows.
#if defined(_WIN32) && defined(__i386__)
#define S_NTAPI __attribute__((stdcall))
#else
#define S_NTAPI
#endif

namespace s::reg {

using NtHandle = void*;

// UNICODE_STRING: lengths in bytes, the buffer need not be terminated.
struct NtUnicodeString {
  std::uint16_t length;
  std::uint16_t maximumLength;
  char16_t* buffer;
};

// OBJECT_ATTRIBUTES.
struct NtObjectAttributes {
  std::uint32_t length;
  NtHandle rootDirectory;
  NtUnicodeString* objectName;
  std::uint32_t attributes;
  void* securityDescriptor;
  void* securityQualityOfService;
};

constexpr std::uint32_t kObjCaseInsensitive = 0x40;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kKeyNotify = 0x0010;
constexpr std::uint32_t kReadControl = 0x00020000;
// KEY_READ: what a user without administrator rights holds on the machine's keys.
constexpr std::uint32_t kKeyRead =
    kReadControl | kKeyQueryValue | kKeyEnumerateSubKeys | kKeyNotify;
// The access bits that change a key or its values.
constexpr std::uint32_t kKeyWriteBits =
    0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000 | 0x40000000 | 0x10000000;

// Information classes used by the key layer.
constexpr std::uint32_t kKeyBasicInformation = 0;
constexpr std::uint32_t kKeyValueBasicInformation = 0;
constexpr std::uint32_t kKeyValueFullInformation = 1;

// Fixed parts of the answers, in bytes; names and data follow as the offsets say.
// KEY_VALUE_FULL_INFORMATION: title index, type, data offset, data length, name length, name.
constexpr std::uint32_t kValueFullNameOffset = 20;
// KEY_BASIC_INFORMATION: last write time (8), title index, name length, name.
constexpr std::uint32_t kKeyBasicNameOffset = 16;
// KEY_VALUE_BASIC_INFORMATION: title index, type, name length, name.
constexpr std::uint32_t kValueBasicNameOffset = 12;

// Registry value types.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;
constexpr std::uint32_t kRegQword = 11;

// The native entry points the key layer calls, with the native signatures in portable types.
// Filled from "ntdll.dll" on Windows and from the in-memory registry on the host.
struct NativeTable {
  NtStatus(S_NTAPI* openKey)(NtHandle* key, std::uint32_t access,
                             const NtObjectAttributes* attributes);
  NtStatus(S_NTAPI* createKey)(NtHandle* key, std::uint32_t access,
                               const NtObjectAttributes* attributes, std::uint32_t titleIndex,
                               const NtUnicodeString* keyClass, std::uint32_t options,
                               std::uint32_t* disposition);
  NtStatus(S_NTAPI* queryValueKey)(NtHandle key, const NtUnicodeString* name,
                                   std::uint32_t informationClass, void* buffer,
                                   std::uint32_t length, std::uint32_t* resultLength);
  NtStatus(S_NTAPI* setValueKey)(NtHandle key, const NtUnicodeString* name,
                                 std::uint32_t titleIndex, std::uint32_t type, const void* data,
                                 std::uint32_t size);
  NtStatus(S_NTAPI* enumerateKey)(NtHandle key, std::uint32_t index, std::uint32_t informationClass,
                                  void* buffer, std::uint32_t length, std::uint32_t* resultLength);
  NtStatus(S_NTAPI* enumerateValueKey)(NtHandle key, std::uint32_t index,
                                       std::uint32_t informationClass, void* buffer,
                                       std::uint32_t length, std::uint32_t* resultLength);
  NtStatus(S_NTAPI* deleteKey)(NtHandle key);
  NtStatus(S_NTAPI* deleteValueKey)(NtHandle key, const NtUnicodeString* name);
  NtStatus(S_NTAPI* flushKey)(NtHandle key);
  NtStatus(S_NTAPI* renameKey)(NtHandle key, const NtUnicodeString* newName);
  NtStatus(S_NTAPI* close)(NtHandle handle);
  void(S_NTAPI* initUnicodeString)(NtUnicodeString* target, const char16_t* source);
};

// The process-wide native layer, built on first use: the table (null members when the layer
// could not be loaded), whether it is ready, and the current user's SID text ("Error" until it
// is known).
struct NativeLayer {
  NativeTable table;
  bool ready;
  const char16_t* userSid;
  bool userSidKnown;
};

// Builds the layer once per process (the platform's side of the seam) and returns it.
const NativeLayer& nativeLayer();

}  // namespace s::reg

namespace s::reg {

// Expands %NAME% references of a terminated text into out (outUnits units with the NUL).
// Returns the units the expansion needs with its NUL; 0 on failure. Nothing usable is in out
// when the result exceeds outUnits.
std::uint32_t expandEnvironment(const char16_t* text, char16_t* out, std::uint32_t outUnits);

}  // namespace s::reg
