#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/reg/NtStatus.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace app {

constexpr const char16_t* kSubSystemsPath =
    u"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
constexpr const char16_t* kMemoryManagementPath =
    u"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char16_t* kWindowsValue = u"Windows";
constexpr const char16_t* kSessionViewSizeValue = u"SessionViewSize";
constexpr std::int32_t kDefaultSessionViewSize = 48;
// The memory gate: the change needs strictly more physical memory than this (480 MiB).
constexpr std::uint64_t kMinimumPhysicalMemory = 0x1E000000ull;

// The "SharedSection=" clause of a `Windows` value with its second number replaced. When ok is
// false, oldSecond and newValue mean nothing and nothing may be written.
struct SharedSectionRewrite {
  bool ok = false;
  std::int32_t oldSecond = 0;
  s::base::Owned<s::str::strbuffer::StrBuffer> newValue;
};

// Pure: finds the first "SharedSection=" (any letter case), requires exactly three integer
// pieces (each within the signed 32-bit range) and writes newSecond in place of the second.
SharedSectionRewrite RewriteSharedSection(const s::str::strbuffer::StrBuffer& value,
                                          std::int32_t newSecond);

// The three numbers of the clause RewriteSharedSection would change; ok false when it would
// refuse the value.
struct SharedSectionNumbers {
  bool ok = false;
  std::int32_t numbers[3] = {};
};
SharedSectionNumbers ReadSharedSection(const s::str::strbuffer::StrBuffer& value);

// True when the machine has more than 480 MiB of physical memory.
bool HasEnoughMemory();

// Why SetDesktopHeap did or did not change the registry.
enum class HeapChangeResult {
  kChanged,
  kUnsupportedOs,
  kNotEnoughMemory,
  // The SubSystems key or its `Windows` value could not be read as text.
  kWindowsValueUnreadable,
  // `Windows` has no "SharedSection=" clause with three integers.
  kNoUsableSharedSection,
  // A write failed, or a key could not be opened for writing (no administrator rights).
  kWriteFailed,
  // `Windows` holds more than its text and one terminator: data after the terminating zero, or
  // a stray byte after the last character. A rewrite would drop those bytes and no undo could
  // bring them back, so nothing is written. A result of its own (kept last, so the values above
  // stay as they were), so that the tool window and the command line can tell it from a value
  // that is merely missing or lacks the clause.
  kWindowsValueHasExtraData,
};

struct HeapChangeOutcome {
  HeapChangeResult result = HeapChangeResult::kChanged;
  // For kWriteFailed: which value, the status of its write (success when the write reported
  // success but did not read back as written), and whether every value written before the
  // failure was put back as it was.
  const char16_t* failedValue = nullptr;
  s::reg::NtStatus status = s::reg::NtStatus::kSuccess;
  bool readBackMismatch = false;
  bool restored = true;

  bool changed() const { return result == HeapChangeResult::kChanged; }
};

// Sets the interactive desktop heap (second number of "SharedSection=") and SessionViewSize in
// the local-machine registry. The caller pre-fills both out-parameters; each is written only
// when the operation gets that far (outOldSharedHeap once the clause is understood,
// outOldSessionViewSize just before that value is written). Either both values change or, as
// far as the registry lets us, neither does; the outcome says which and why.
HeapChangeOutcome SetDesktopHeap(std::int32_t newSessionViewSize, std::int32_t newSharedHeap,
                                 std::int32_t& outOldSessionViewSize,
                                 std::int32_t& outOldSharedHeap);

}  // namespace app
