#include "app/HeapEditor.h"

#include <cstring>

#include "s/col/_array/NumberArray.h"
#include "s/reg/NativeApi.h"
#include "s/reg/RegDir.h"
#include "s/str/strarray/StrArray.h"
#include "s/system/os/Platform.h"
#include "s/system/os/StaticObj.h"
#include "s/thread/Pool.h"

namespace app {

namespace {

using s::base::Owned;
using s::col::_array::ArrayU08;
using s::reg::NtStatus;
using s::reg::win::RegDir;
using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

constexpr const char16_t* kClause = u"SharedSection=";
constexpr std::uint32_t kClauseLength = 14;

// The integer test, narrowed to what a signed 32-bit value holds: a longer piece would be
// saturated on reading, and an undo would then write back a number that was never there.
bool isInt32(const StrBuffer& piece) {
  if (!piece.isInteger()) return false;
  std::int64_t value = piece.toInt64();
  return value >= INT32_MIN && value <= INT32_MAX;
}

// A value as found before a change: enough to put it back byte for byte, or to remove it.
struct ValueSnapshot {
  bool present = false;
  std::uint32_t type = 0;
  Owned<ArrayU08> data = s::thread::obtain<ArrayU08>();
};

ValueSnapshot snapshotOf(RegDir& key, const char16_t* name) {
  ValueSnapshot snapshot;
  std::uint32_t size = 0;
  snapshot.present = key.queryValue(name, &snapshot.type, &size, -1);
  if (snapshot.present) key.getBinary(name, *snapshot.data);
  return snapshot;
}

bool holds(RegDir& key, const char16_t* name, bool present, std::uint32_t type, const void* data,
           std::uint32_t size) {
  std::uint32_t storedType = 0;
  std::uint32_t storedSize = 0;
  bool found = key.queryValue(name, &storedType, &storedSize, -1);
  if (found != present) return false;
  if (!found) return true;
  Owned<ArrayU08> stored = key.getBinary(name);
  return stored && storedType == type && storedSize == size &&
         (size == 0 || std::memcmp(stored->items(), data, size) == 0);
}

bool holdsSnapshot(RegDir& key, const char16_t* name, const ValueSnapshot& snapshot) {
  return holds(key, name, snapshot.present, snapshot.type, snapshot.data->items(),
               snapshot.data->count());
}

// Puts a value back as the snapshot found it; true when it reads back so.
bool restore(RegDir& key, const char16_t* name, const ValueSnapshot& snapshot) {
  if (holdsSnapshot(key, name, snapshot)) return true;
  if (snapshot.present) {
    (void)key.setValue(name, snapshot.type, snapshot.data->items(), snapshot.data->count());
  } else {
    (void)key.deleteValue(name);
  }
  return holdsSnapshot(key, name, snapshot);
}

// Writes a value and trusts the write only when it reads back with the same type and bytes.
bool writeAndVerify(RegDir& key, const char16_t* name, std::uint32_t type, const void* data,
                    std::uint32_t size, HeapChangeOutcome& outcome) {
  NtStatus status = key.setValue(name, type, data, size);
  bool verified = s::reg::ntSuccess(status) && holds(key, name, true, type, data, size);
  if (verified) return true;
  outcome.result = HeapChangeResult::kWriteFailed;
  outcome.failedValue = name;
  outcome.status = status;
  outcome.readBackMismatch = s::reg::ntSuccess(status);
  return false;
}

// Where the clause's numbers sit in the value, and the numbers as written.
struct Clause {
  bool ok = false;
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  Owned<s::str::strarray::StrArray> pieces;
};

Clause findClause(const StrBuffer& value) {
  Clause clause;
  std::uint32_t position = 0;
  if (value.isEmpty() || !value.findIgnoreCase(kClause, &position, 0)) return clause;
  clause.start = position + kClauseLength;
  // Only a space ends the clause; a tab belongs to the number list (and spoils it).
  if (!value.indexOf(u' ', &clause.end, clause.start)) clause.end = value.length();
  if (clause.end == clause.start) return clause;

  Owned<StrBuffer> numbers = value.substring(clause.start, clause.end);
  clause.pieces = numbers->split(u',');
  if (clause.pieces->count() != 3) return clause;
  for (std::uint32_t i = 0; i < 3; ++i) {
    if (!isInt32(*clause.pieces->at(i))) return clause;
  }
  clause.ok = true;
  return clause;
}

}  // namespace

SharedSectionRewrite RewriteSharedSection(const StrBuffer& value, std::int32_t newSecond) {
  SharedSectionRewrite result;
  Clause clause = findClause(value);
  if (!clause.ok) return result;
  result.oldSecond = clause.pieces->at(1)->toInt32();
  result.newValue = value.substring(0, clause.start);
  result.newValue->appendStr(*clause.pieces->at(0))
      .appendChar(u',')
      .appendInt32(newSecond)
      .appendChar(u',')
      .appendStr(*clause.pieces->at(2))
      .appendUnits(value.data() + clause.end, value.length() - clause.end);
  result.ok = true;
  return result;
}

SharedSectionNumbers ReadSharedSection(const StrBuffer& value) {
  SharedSectionNumbers result;
  Clause clause = findClause(value);
  if (!clause.ok) return result;
  for (std::uint32_t i = 0; i < 3; ++i) result.numbers[i] = clause.pieces->at(i)->toInt32();
  result.ok = true;
  return result;
}

bool HasEnoughMemory() {
  std::uint64_t total = 0;
  return s::system::os::queryTotalPhysicalMemory(&total) && total > kMinimumPhysicalMemory;
}

HeapChangeOutcome SetDesktopHeap(std::int32_t newSessionViewSize, std::int32_t newSharedHeap,
                                 std::int32_t& outOldSessionViewSize,
                                 std::int32_t& outOldSharedHeap) {
  HeapChangeOutcome outcome;
  if (!s::system::os::win::IsSupportedOs()) {
    outcome.result = HeapChangeResult::kUnsupportedOs;
    return outcome;
  }
  if (!HasEnoughMemory()) {
    outcome.result = HeapChangeResult::kNotEnoughMemory;
    return outcome;
  }

  Owned<RegDir> subSystems = s::thread::obtain<RegDir>();
  NtStatus opened = subSystems->open(s::reg::kHkeyLocalMachine, kSubSystemsPath);
  if (opened == NtStatus::kAccessDenied) {
    // The key is there but not ours to write: without administrator rights it is readable
    // only, so this is a write that cannot happen, not a value we cannot use.
    outcome.result = HeapChangeResult::kWriteFailed;
    outcome.failedValue = kWindowsValue;
    outcome.status = opened;
    return outcome;
  }
  ValueSnapshot oldWindows = snapshotOf(*subSystems, kWindowsValue);
  Owned<StrBuffer> windows = newStr(subSystems->getString(kWindowsValue, u"", nullptr, false));
  if (!oldWindows.present ||
      (oldWindows.type != s::reg::kRegSz && oldWindows.type != s::reg::kRegExpandSz)) {
    outcome.result = HeapChangeResult::kWindowsValueUnreadable;
    return outcome;
  }
  // The text and at most its terminator: anything more would be lost by the rewrite.
  const std::uint32_t textBytes = 2 * windows->length();
  const std::uint32_t storedBytes = oldWindows.data->count();
  if (storedBytes != textBytes && storedBytes != textBytes + 2) {
    outcome.result = HeapChangeResult::kWindowsValueHasExtraData;
    return outcome;
  }
  SharedSectionRewrite rewrite = RewriteSharedSection(*windows, newSharedHeap);
  if (!rewrite.ok) {
    outcome.result = HeapChangeResult::kNoUsableSharedSection;
    return outcome;
  }
  outOldSharedHeap = rewrite.oldSecond;

  Owned<RegDir> memory = s::reg::OpenRegDir(s::reg::kHkeyLocalMachine, kMemoryManagementPath);
  ValueSnapshot oldSessionViewSize = snapshotOf(*memory, kSessionViewSizeValue);
  outOldSessionViewSize = memory->getInt32(kSessionViewSizeValue, kDefaultSessionViewSize);
  if (!writeAndVerify(*memory, kSessionViewSizeValue, s::reg::kRegDword, &newSessionViewSize, 4,
                      outcome)) {
    outcome.restored = restore(*memory, kSessionViewSizeValue, oldSessionViewSize);
    return outcome;
  }

  const StrBuffer& newValue = *rewrite.newValue;
  if (!writeAndVerify(*subSystems, kWindowsValue, s::reg::kRegExpandSz, newValue.text(),
                      2 * newValue.length() + 2, outcome)) {
    // Half a change is worse than none: SessionViewSize goes back to what it was.
    bool windowsBack = restore(*subSystems, kWindowsValue, oldWindows);
    bool sessionViewSizeBack = restore(*memory, kSessionViewSizeValue, oldSessionViewSize);
    outcome.restored = windowsBack && sessionViewSizeBack;
  }
  return outcome;
}

}  // namespace app
