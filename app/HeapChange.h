#pragma once

#include <cstdint>

#include "app/ChangeLock.h"
#include "app/HeapEditor.h"
#include "s/map/IMappedData.h"

namespace s::lang {
class Localizer;
}

namespace app {

// The tool window's View section, where the values an undo needs are kept.
constexpr const char16_t* kHeapChangeSection = u"MainWindow\\View";
constexpr const char16_t* kOriginalSessionViewSizeValue = u"OriginalSessionViewSize";
constexpr const char16_t* kOriginalDesktopHeapValue = u"OriginalDesktopHeap";
constexpr const char16_t* kOperationDoneValue = u"OperationDone";

// What an apply writes.
constexpr std::int32_t kIncreasedSessionViewSize = 96;
constexpr std::int32_t kIncreasedDesktopHeap = 9216;
// The kept desktop heap when none is stored (with kDefaultSessionViewSize for the other).
constexpr std::int32_t kDefaultDesktopHeap = 3072;

// The message entries of the two actions' answers. 1017000: a failed write that could not be
// fully put back; packs without it show 1016000 instead.
constexpr std::int32_t kAppliedEntry = 1012000;
constexpr std::int32_t kUndoneEntry = 1013000;
constexpr std::int32_t kNotEnoughMemoryEntry = 1014000;
constexpr std::int32_t kUnusableWindowsValueEntry = 1015000;
constexpr std::int32_t kWriteFailedEntry = 1016000;
constexpr std::int32_t kWriteFailedNotRestoredEntry = 1017000;
// The start-up's fixed English text, never translated.
constexpr const char16_t* kNotSupportedText =
    u"This Operating System is currently not supported by this Application. We are sorry for "
    u"the inconvenience.";

enum class HeapAction { kApply, kUndo };

enum class HeapChangeStatus {
  // The registry changed and the store records it.
  kDone,
  // Nothing attempted: the store already says the change is (apply) or is not (undo) in force.
  kAlreadyInState,
  // Nothing attempted: another copy held the lock for the whole wait.
  kBusy,
  // The outcome says why; nothing is stored and the in-force state is as it was.
  kFailed,
};

// What an apply or undo did.
struct HeapChangeReport {
  HeapAction action = HeapAction::kApply;
  HeapChangeStatus status = HeapChangeStatus::kFailed;
  // The editor's answer. When the registry changed but the store could not record it, the
  // change is taken back and this becomes kWriteFailed naming the store's value, with
  // `restored` telling whether taking it back worked.
  HeapChangeOutcome outcome;
  // The values the registry was asked to take (for an undo: the kept ones, or the defaults).
  std::int32_t sessionViewSize = 0;
  std::int32_t desktopHeap = 0;

  bool succeeded() const {
    return status == HeapChangeStatus::kDone || status == HeapChangeStatus::kAlreadyInState;
  }
};

// "Increase it Now!": desktop heap 9216 and session view size 96; the values found before are
// kept in the store and the change is marked in force, only when the registry took it.
HeapChangeReport applyHeapChange(s::map::IMappedData& store,
                                 std::uint32_t lockWaitMs = kChangeLockWaitMs);

// "Undo the Change": writes the kept values back (48 and 3072 when none are kept) and marks the
// change as no longer in force, only when the registry took them.
HeapChangeReport undoHeapChange(s::map::IMappedData& store,
                                std::uint32_t lockWaitMs = kChangeLockWaitMs);

// Whether the change is in force as far as this program knows: what decides which of the two
// buttons is enabled.
bool isHeapChangeInForce(s::map::IMappedData& store);

// The language entry of the message that answers a report, or 0 when the answer is a fixed
// English text (heapChangeEnglishText): an unsupported system, a busy lock, nothing to do.
std::int32_t heapChangeMessageEntry(const HeapChangeReport& report);
// The fixed English answer of a report whose entry is 0; null otherwise.
const char16_t* heapChangeEnglishText(const HeapChangeReport& report);
// The answer to show, in the current language where it has an entry. Valid as long as textOf's.
const char16_t* heapChangeMessageText(s::lang::Localizer& localizer,
                                      const HeapChangeReport& report);

}  // namespace app
