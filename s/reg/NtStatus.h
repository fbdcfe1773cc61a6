#pragma once

#include <cstdint>

namespace s::reg {

// A status of the native registry layer, exactly as the NT calls report it (0 = success).
enum class NtStatus : std::uint32_t {
  kSuccess = 0,
  kBufferOverflow = 0x80000005,
  kNoMoreEntries = 0x8000001A,
  kNotImplemented = 0xC0000002,
  kInvalidHandle = 0xC0000008,
  kInvalidParameter = 0xC000000D,
  kAccessDenied = 0xC0000022,
  kBufferTooSmall = 0xC0000023,
  kObjectNameInvalid = 0xC0000033,
  kObjectNameNotFound = 0xC0000034,
  kObjectNameCollision = 0xC0000035,
  kObjectPathNotFound = 0xC000003A,
  kCannotDelete = 0xC0000121,
  kKeyDeleted = 0xC000017C,
  // Not a native status: the layer could not be loaded, so no call was made.
  kNativeLayerMissing = 0xC0000135,
};

// NT_SUCCESS: success and informational statuses; warnings such as kBufferOverflow are not.
constexpr bool ntSuccess(NtStatus status) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(status)) >= 0;
}

constexpr std::uint32_t statusCode(NtStatus status) { return static_cast<std::uint32_t>(status); }

}  // namespace s::reg
