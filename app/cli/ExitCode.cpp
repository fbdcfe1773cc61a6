#include "app/cli/ExitCode.h"

namespace app::cli {

ExitCode exitCodeOf(const HeapChangeReport& report) {
  switch (report.status) {
    case HeapChangeStatus::kDone:
    case HeapChangeStatus::kAlreadyInState:
      return ExitCode::kDone;
    case HeapChangeStatus::kBusy:
      return ExitCode::kBusy;
    case HeapChangeStatus::kFailed:
      break;
  }
  switch (report.outcome.result) {
    case HeapChangeResult::kUnsupportedOs:
      return ExitCode::kUnsupportedSystem;
    case HeapChangeResult::kNotEnoughMemory:
      return ExitCode::kNotEnoughMemory;
    case HeapChangeResult::kWindowsValueUnreadable:
    case HeapChangeResult::kNoUsableSharedSection:
    case HeapChangeResult::kWindowsValueHasExtraData:
      return ExitCode::kUnusableWindowsValue;
    case HeapChangeResult::kWriteFailed:
    case HeapChangeResult::kChanged:
      break;
  }
  return report.outcome.restored ? ExitCode::kWriteFailed : ExitCode::kWriteFailedNotRestored;
}

}  // namespace app::cli
