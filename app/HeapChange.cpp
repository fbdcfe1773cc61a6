#include "app/HeapChange.h"

#include "s/lang/Lang.h"
#include "s/system/os/StaticObj.h"

namespace app {

namespace {

constexpr const char16_t* kAlreadyAppliedText =
    u"The change is already in force; nothing was written.";
constexpr const char16_t* kAlreadyUndoneText = u"The change is not in force; nothing was written.";
constexpr const char16_t* kBusyText =
    u"Another copy of the program is applying or undoing the change; nothing was written. Try "
    u"again in a moment.";

bool readsBackInt32(s::map::IMappedData& store, const char16_t* name, std::int32_t value) {
  // Two different defaults: a missing value cannot pass for the one written.
  return store.getInt32(kHeapChangeSection, name, value) == value &&
         store.getInt32(kHeapChangeSection, name, ~value) == value;
}

bool readsBackDone(s::map::IMappedData& store, bool done) {
  return store.getBool(kHeapChangeSection, kOperationDoneValue, !done) == done;
}

// The registry took the change but the store did not record it: without the record the
// window would offer the wrong button and an undo would lose the values found before, so the
// change goes back. The report then says the store's write failed.
void takeBack(HeapChangeReport& report, const char16_t* failedValue, std::int32_t sessionViewSize,
              std::int32_t desktopHeap) {
  std::int32_t scratch1 = sessionViewSize, scratch2 = desktopHeap;
  HeapChangeOutcome back = SetDesktopHeap(sessionViewSize, desktopHeap, scratch1, scratch2);
  report.status = HeapChangeStatus::kFailed;
  report.outcome = HeapChangeOutcome{};
  report.outcome.result = HeapChangeResult::kWriteFailed;
  report.outcome.failedValue = failedValue;
  report.outcome.readBackMismatch = true;
  report.outcome.restored = back.changed();
}

// The steps both actions share before the editor runs; false when the report is complete.
bool mayChange(HeapChangeReport& report, const ChangeLock& lock, s::map::IMappedData& store) {
  // Checked first so that an unsupported system always says so, whatever the store holds.
  if (!s::system::os::win::IsSupportedOs()) {
    report.outcome.result = HeapChangeResult::kUnsupportedOs;
    return false;
  }
  if (!lock.held()) {
    report.status = HeapChangeStatus::kBusy;
    return false;
  }
  if (isHeapChangeInForce(store) == (report.action == HeapAction::kApply)) {
    report.status = HeapChangeStatus::kAlreadyInState;
    return false;
  }
  return true;
}

}  // namespace

HeapChangeReport applyHeapChange(s::map::IMappedData& store, std::uint32_t lockWaitMs) {
  HeapChangeReport report;
  report.action = HeapAction::kApply;
  report.sessionViewSize = kIncreasedSessionViewSize;
  report.desktopHeap = kIncreasedDesktopHeap;
  ChangeLock lock(lockWaitMs);
  if (!mayChange(report, lock, store)) return report;

  std::int32_t svs = kDefaultSessionViewSize, heap = kDefaultDesktopHeap;
  report.outcome = SetDesktopHeap(kIncreasedSessionViewSize, kIncreasedDesktopHeap, svs, heap);
  if (!report.outcome.changed()) return report;

  store.setInt32(kHeapChangeSection, kOriginalSessionViewSizeValue, svs);
  store.setInt32(kHeapChangeSection, kOriginalDesktopHeapValue, heap);
  // The kept values must hold before the change is marked in force: a mark without them would
  // make the next undo write the defaults.
  if (!readsBackInt32(store, kOriginalSessionViewSizeValue, svs)) {
    takeBack(report, kOriginalSessionViewSizeValue, svs, heap);
    return report;
  }
  if (!readsBackInt32(store, kOriginalDesktopHeapValue, heap)) {
    takeBack(report, kOriginalDesktopHeapValue, svs, heap);
    return report;
  }
  store.setBool(kHeapChangeSection, kOperationDoneValue, true);
  if (!readsBackDone(store, true)) {
    takeBack(report, kOperationDoneValue, svs, heap);
    return report;
  }
  report.status = HeapChangeStatus::kDone;
  return report;
}

HeapChangeReport undoHeapChange(s::map::IMappedData& store, std::uint32_t lockWaitMs) {
  HeapChangeReport report;
  report.action = HeapAction::kUndo;
  ChangeLock lock(lockWaitMs);
  if (!mayChange(report, lock, store)) return report;

  report.sessionViewSize =
      store.getInt32(kHeapChangeSection, kOriginalSessionViewSizeValue, kDefaultSessionViewSize);
  report.desktopHeap =
      store.getInt32(kHeapChangeSection, kOriginalDesktopHeapValue, kDefaultDesktopHeap);
  std::int32_t svsBefore = 0, heapBefore = 0;
  report.outcome =
      SetDesktopHeap(report.sessionViewSize, report.desktopHeap, svsBefore, heapBefore);
  if (!report.outcome.changed()) return report;

  store.setBool(kHeapChangeSection, kOperationDoneValue, false);
  if (!readsBackDone(store, false)) {
    takeBack(report, kOperationDoneValue, svsBefore, heapBefore);
    return report;
  }
  report.status = HeapChangeStatus::kDone;
  return report;
}

bool isHeapChangeInForce(s::map::IMappedData& store) {
  return store.getBool(kHeapChangeSection, kOperationDoneValue, false);
}

std::int32_t heapChangeMessageEntry(const HeapChangeReport& report) {
  switch (report.status) {
    case HeapChangeStatus::kDone:
      return report.action == HeapAction::kApply ? kAppliedEntry : kUndoneEntry;
    case HeapChangeStatus::kAlreadyInState:
    case HeapChangeStatus::kBusy:
      return 0;
    case HeapChangeStatus::kFailed:
      break;
  }
  switch (report.outcome.result) {
    case HeapChangeResult::kUnsupportedOs:
      return 0;
    case HeapChangeResult::kNotEnoughMemory:
      return kNotEnoughMemoryEntry;
    case HeapChangeResult::kWindowsValueUnreadable:
    case HeapChangeResult::kNoUsableSharedSection:
    case HeapChangeResult::kWindowsValueHasExtraData:
      return kUnusableWindowsValueEntry;
    case HeapChangeResult::kWriteFailed:
    case HeapChangeResult::kChanged:  // not a failure; kept for a complete switch
      break;
  }
  return report.outcome.restored ? kWriteFailedEntry : kWriteFailedNotRestoredEntry;
}

const char16_t* heapChangeEnglishText(const HeapChangeReport& report) {
  if (heapChangeMessageEntry(report) != 0) return nullptr;
  switch (report.status) {
    case HeapChangeStatus::kAlreadyInState:
      return report.action == HeapAction::kApply ? kAlreadyAppliedText : kAlreadyUndoneText;
    case HeapChangeStatus::kBusy:
      return kBusyText;
    default:
      return kNotSupportedText;
  }
}

const char16_t* heapChangeMessageText(s::lang::Localizer& localizer,
                                      const HeapChangeReport& report) {
  std::int32_t entry = heapChangeMessageEntry(report);
  if (entry == 0) return heapChangeEnglishText(report);
  const char16_t* text = s::lang::textOf(localizer, entry);
  if (*text == u'\0' && entry == kWriteFailedNotRestoredEntry) {
    text = s::lang::textOf(localizer, kWriteFailedEntry);
  }
  return text;
}

}  // namespace app
