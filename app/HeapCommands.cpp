#include "app/HeapCommands.h"

#include "app/HeapChange.h"

namespace app {

namespace {

HeapCommands::Answer answerOf(s::lang::Localizer& localizer, const HeapChangeReport& report) {
  HeapCommands::Answer answer;
  answer.succeeded = report.succeeded();
  answer.text = heapChangeMessageText(localizer, report);
  return answer;
}

}  // namespace

HeapCommands::Answer HeapCommands::apply() { return answerOf(localizer_, applyHeapChange(store_)); }

HeapCommands::Answer HeapCommands::undo() { return answerOf(localizer_, undoHeapChange(store_)); }

bool HeapCommands::isInForce() { return isHeapChangeInForce(store_); }

}  // namespace app
