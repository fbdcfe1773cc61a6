#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "s/reg/NativeApi.h"

namespace s::reg::host {

// The host's registry: an in-memory tree behind the native entry points, with the statuses
// the NT registry gives, plus the switches tests need to play a user without administrator
// rights or a write that does not stick. Thread-safe.
class MemoryRegistry {
 public:
  static MemoryRegistry& instance();

  // The native table over this registry.
  static const NativeTable& table();
  // The SID text of the host's only user; its key under "\Registry\User" always exists.
  static constexpr const char16_t* kUserSid = u"S-1-5-21-0-0-0-1000";

  // Back to the initial tree (\Registry\Machine, \Registry\User\<SID>) with every switch off.
  // Handles still open stay valid but point at the discarded tree.
  void clear();

  // Every change (creating, writing, deleting) and every open asking for write access fails
  // with access denied, as under HKEY_LOCAL_MACHINE for a user without administrator rights.
  void setDenyWrites(bool deny);
  // The same for one key only, as a read-only access list on it would.
  void setKeyDenied(const char16_t* nativeKeyName, bool deny);
  // Every later write of one value fails with status.
  void failValueWrite(const char16_t* nativeKeyName, const char16_t* valueName, NtStatus status);
  // The next `times` writes of one value report success but store other bytes.
  void tamperValueWrite(const char16_t* nativeKeyName, const char16_t* valueName,
                        std::uint32_t times);

  // Inspection for tests.
  bool keyExists(const char16_t* nativeKeyName);
  bool readValue(const char16_t* nativeKeyName, const char16_t* valueName, std::uint32_t* type,
                 std::vector<std::uint8_t>* data);
  // The whole tree as text (keys, value names, types and bytes), to compare before and after.
  std::u16string dump();
  std::uint32_t openHandleCount();
  // Number of value writes and key creations that changed the tree since clear().
  std::uint32_t changeCount();

  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

 private:
  MemoryRegistry();
  ~MemoryRegistry() = default;
};

}  // namespace s::reg::host
