#include <windows.h>

#include "s/reg/NativeApi.h"
#include "s/system/os/StaticObj.h"

namespace s::reg {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");
static_assert(sizeof(NtUnicodeString) == 2 * sizeof(void*), "UNICODE_STRING layout");

// Looked up in this order; the first 28 must all exist, the string routines are tested together.
const char* const kNames[] = {"NtOpenThread",
                              "NtCreateKey",
                              "NtOpenKey",
                              "NtFlushKey",
                              "NtDeleteKey",
                              "NtQueryKey",
                              "NtEnumerateKey",
                              "NtClose",
                              "NtSetValueKey",
                              "NtSetInformationKey",
                              "NtQueryValueKey",
                              "NtEnumerateValueKey",
                              "NtDeleteValueKey",
                              "NtRenameKey",
                              "NtQueryMultipleValueKey",
                              "NtNotifyChangeKey",
                              "NtCreateFile",
                              "NtOpenProcessToken",
                              "NtAdjustPrivilegesToken",
                              "NtQueryInformationToken",
                              "RtlAllocateHeap",
                              "RtlFreeHeap",
                              "NtRestoreKey",
                              "NtSaveKey",
                              "NtLoadKey",
                              "NtLoadKey2",
                              "NtReplaceKey",
                              "NtUnloadKey",
                              "RtlInitString",
                              "RtlInitAnsiString",
                              "RtlInitUnicodeString",
                              "RtlAnsiStringToUnicodeString",
                              "RtlUnicodeStringToAnsiString",
                              "RtlFreeAnsiString",
                              "RtlFreeUnicodeString"};
constexpr int kNameCount = sizeof kNames / sizeof kNames[0];
constexpr int kRequiredCount = 28;
enum Entry {
  kNtCreateKey = 1,
  kNtOpenKey = 2,
  kNtFlushKey = 3,
  kNtDeleteKey = 4,
  kNtEnumerateKey = 6,
  kNtClose = 7,
  kNtSetValueKey = 8,
  kNtQueryValueKey = 10,
  kNtEnumerateValueKey = 11,
  kNtDeleteValueKey = 12,
  kNtRenameKey = 13,
  kNtOpenProcessToken = 17,
  kNtQueryInformationToken = 19,
  kRtlAllocateHeap = 20,
  kRtlFreeHeap = 21,
  kRtlInitUnicodeString = 30,
};

using OpenProcessTokenFn = NtStatus(S_NTAPI*)(HANDLE process, ACCESS_MASK access, HANDLE* token);
using QueryInformationTokenFn = NtStatus(S_NTAPI*)(HANDLE token, ULONG informationClass,
                                                   void* information, ULONG length,
                                                   ULONG* resultLength);
using AllocateHeapFn = void*(S_NTAPI*)(HANDLE heap, ULONG flags, SIZE_T size);
using FreeHeapFn = BOOLEAN(S_NTAPI*)(HANDLE heap, ULONG flags, void* block);

template <class Fn>
Fn entry(void* const* entries, int index) {
  return reinterpret_cast<Fn>(entries[index]);
}

wchar_t sidText[256] = L"Error";

// The failure to learn the user's SID is the one error this layer shows.
void showSidFailure(NtStatus status) {
  wchar_t* systemText = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM,
      GetModuleHandleW(L"NTDLL.DLL"), statusCode(status), 0,
      reinterpret_cast<wchar_t*>(&systemText), 0, nullptr);
  wchar_t message[1024];
  if (length > 0 && systemText != nullptr) {
    wsprintfW(message, L"Error( %u [0x%8XL] ) - %s", statusCode(status), statusCode(status),
              systemText);
  } else {
    wsprintfW(message, L"Error( %u [0x%8XL] ) - No NT Error Data was returned??",
              statusCode(status), statusCode(status));
  }
  if (systemText != nullptr) LocalFree(systemText);
  MessageBoxW(nullptr, message, L"CNtRegistry: Message...", MB_OK);
}

void formatSid(const SID* sid) {
  const BYTE* authority = sid->IdentifierAuthority.Value;
  int n = wsprintfW(sidText, L"S-%lu-", 1ul);
  if (authority[0] != 0 || authority[1] != 0) {
    n += wsprintfW(sidText + n, L"0x%02hx%02hx%02hx%02hx%02hx%02hx",
                   static_cast<USHORT>(authority[0]), static_cast<USHORT>(authority[1]),
                   static_cast<USHORT>(authority[2]), static_cast<USHORT>(authority[3]),
                   static_cast<USHORT>(authority[4]), static_cast<USHORT>(authority[5]));
  } else {
    unsigned long value = (static_cast<unsigned long>(authority[2]) << 24) |
                          (static_cast<unsigned long>(authority[3]) << 16) |
                          (static_cast<unsigned long>(authority[4]) << 8) | authority[5];
    n += wsprintfW(sidText + n, L"%lu", value);
  }
  for (BYTE i = 0; i < sid->SubAuthorityCount && n < 240; ++i) {
    n += wsprintfW(sidText + n, L"-%lu", static_cast<unsigned long>(sid->SubAuthority[i]));
  }
}

bool learnUserSid(void* const* entries) {
  auto openToken = entry<OpenProcessTokenFn>(entries, kNtOpenProcessToken);
  auto queryToken = entry<QueryInformationTokenFn>(entries, kNtQueryInformationToken);
  auto allocate = entry<AllocateHeapFn>(entries, kRtlAllocateHeap);
  auto freeBlock = entry<FreeHeapFn>(entries, kRtlFreeHeap);
  auto closeHandle = entry<NtStatus(S_NTAPI*)(HANDLE)>(entries, kNtClose);

  HANDLE token = nullptr;
  NtStatus status = openToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  if (!ntSuccess(status)) {
    showSidFailure(status);
    return false;
  }
  ULONG size = 0;
  status = queryToken(token, TokenUser, nullptr, 0, &size);
  void* block = size == 0 ? nullptr : allocate(GetProcessHeap(), 0, size);
  if (block == nullptr) {
    closeHandle(token);
    showSidFailure(status);
    return false;
  }
  status = queryToken(token, TokenUser, block, size, &size);
  closeHandle(token);
  bool known = ntSuccess(status);
  if (known) {
    formatSid(static_cast<const SID*>(static_cast<TOKEN_USER*>(block)->User.Sid));
  } else {
    showSidFailure(status);
  }
  freeBlock(GetProcessHeap(), 0, block);
  return known;
}

NativeLayer load() {
  NativeLayer layer = {};
  layer.userSid = reinterpret_cast<const char16_t*>(sidText);
  s::system::os::win::StaticObj os;
  if (!os.isNt) return layer;
  HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
  if (ntdll == nullptr) return layer;
  void* entries[kNameCount] = {};
  for (int i = 0; i < kRequiredCount; ++i) {
    entries[i] = reinterpret_cast<void*>(GetProcAddress(ntdll, kNames[i]));
    if (entries[i] == nullptr) return layer;
  }
  bool strings = true;
  for (int i = kRequiredCount; i < kNameCount; ++i) {
    entries[i] = reinterpret_cast<void*>(GetProcAddress(ntdll, kNames[i]));
    strings = strings && entries[i] != nullptr;
  }
  if (!strings) return layer;

  NativeTable& t = layer.table;
  t.openKey = entry<decltype(t.openKey)>(entries, kNtOpenKey);
  t.createKey = entry<decltype(t.createKey)>(entries, kNtCreateKey);
  t.queryValueKey = entry<decltype(t.queryValueKey)>(entries, kNtQueryValueKey);
  t.setValueKey = entry<decltype(t.setValueKey)>(entries, kNtSetValueKey);
  t.enumerateKey = entry<decltype(t.enumerateKey)>(entries, kNtEnumerateKey);
  t.enumerateValueKey = entry<decltype(t.enumerateValueKey)>(entries, kNtEnumerateValueKey);
  t.deleteKey = entry<decltype(t.deleteKey)>(entries, kNtDeleteKey);
  t.deleteValueKey = entry<decltype(t.deleteValueKey)>(entries, kNtDeleteValueKey);
  t.flushKey = entry<decltype(t.flushKey)>(entries, kNtFlushKey);
  t.renameKey = entry<decltype(t.renameKey)>(entries, kNtRenameKey);
  t.close = entry<decltype(t.close)>(entries, kNtClose);
  t.initUnicodeString = entry<decltype(t.initUnicodeString)>(entries, kRtlInitUnicodeString);
  layer.ready = true;
  layer.userSidKnown = learnUserSid(entries);
  return layer;
}

}  // namespace

const NativeLayer& nativeLayer() {
  static const NativeLayer layer = load();
  return layer;
}

}  // namespace s::reg

namespace s::reg {

std::uint32_t expandEnvironment(const char16_t* text, char16_t* out, std::uint32_t outUnits) {
  return ExpandEnvironmentStringsW(reinterpret_cast<const wchar_t*>(text),
                                   reinterpret_cast<wchar_t*>(out), outUnits);
}

}  // namespace s::reg
