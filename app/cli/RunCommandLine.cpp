#include "app/cli/RunCommandLine.h"

#include <vector>

#include "app/HeapChange.h"
#include "app/cli/Arguments.h"
#include "app/cli/ExitCode.h"
#include "app/cli/StatusReport.h"
#include "s/process/commandline/ICommandLine.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/os/StaticObj.h"

namespace app::cli {

namespace {

constexpr const char16_t* kUsage =
    u"Usage: VexoOmbrel.exe /status | /apply | /undo | /?\r\n"
    u"\r\n"
    u"  /status  Prints the SharedSection numbers, SessionViewSize, the kept values\r\n"
    u"           and whether the change is in force.\r\n"
    u"  /apply   Sets the desktop heap to 9216 and SessionViewSize to 96, keeping the\r\n"
    u"           values found for /undo.\r\n"
    u"  /undo    Writes the kept values back (48 and 3072 when none are kept).\r\n"
    u"  /?       Prints this text.\r\n"
    u"\r\n"
    u"Without arguments the window opens. \"-\" may stand for \"/\"; letter case does not\r\n"
    u"matter. Exit codes: 0 done or already so, 1 bad arguments, 2 system not supported,\r\n"
    u"3 not enough memory, 4 unusable Windows value, 5 registry not written (run as an\r\n"
    u"administrator), 6 not written and not fully put back, 7 another copy was busy.";

int code(ExitCode exit) { return static_cast<int>(exit); }

// A failed write says which value and why, for the administrator who reads the log.
void writeFailedWrite(IOutput& out, const HeapChangeOutcome& outcome) {
  s::base::Owned<s::str::strbuffer::StrBuffer> line = s::str::strbuffer::newStr(u"Not written: ");
  line->appendText(outcome.failedValue != nullptr ? outcome.failedValue : u"?");
  if (outcome.readBackMismatch) {
    line->appendText(u" (it did not read back as written)");
  } else {
    std::uint32_t status = s::reg::statusCode(outcome.status);
    line->appendText(u" (status 0x").appendHex32(&status, 1).appendChar(u')');
  }
  out.writeLine(line->text());
}

int runChange(CommandMode mode, s::map::IMappedData& store, s::lang::Localizer& localizer,
              IOutput& out, std::uint32_t lockWaitMs) {
  HeapChangeReport report = mode == CommandMode::kApply ? applyHeapChange(store, lockWaitMs)
                                                        : undoHeapChange(store, lockWaitMs);
  out.writeLine(heapChangeMessageText(localizer, report));
  if (report.status == HeapChangeStatus::kFailed &&
      report.outcome.result == HeapChangeResult::kWriteFailed) {
    writeFailedWrite(out, report.outcome);
  }
  return code(exitCodeOf(report));
}

}  // namespace

void writeUsage(IOutput& out) { out.writeLine(kUsage); }

int runCommandLine(const char16_t* const* arguments, std::uint32_t count,
                   s::map::IMappedData& store, s::lang::Localizer& localizer, IOutput& out,
                   std::uint32_t lockWaitMs) {
  ParsedArguments parsed = parseArguments(arguments, count);
  switch (parsed.mode) {
    case CommandMode::kUsage:
      writeUsage(out);
      return code(ExitCode::kDone);
    case CommandMode::kStatus:
      writeStatusReport(store, out);
      if (!s::system::os::win::IsSupportedOs()) {
        out.writeLine(kNotSupportedText);
        return code(ExitCode::kUnsupportedSystem);
      }
      return code(ExitCode::kDone);
    case CommandMode::kApply:
    case CommandMode::kUndo:
      return runChange(parsed.mode, store, localizer, out, lockWaitMs);
    case CommandMode::kBadArguments:
      break;
  }
  if (parsed.offending != nullptr) {
    out.write(u"Unknown argument: ");
    out.writeLine(parsed.offending);
  } else {
    out.writeLine(count == 0 ? u"No argument given." : u"Give one argument only.");
  }
  writeUsage(out);
  return code(ExitCode::kBadArguments);
}

int runCommandLine(const s::process::commandline::ICommandLine& commandLine,
                   s::map::IMappedData& store, s::lang::Localizer& localizer, IOutput& out,
                   std::uint32_t lockWaitMs) {
  std::vector<const char16_t*> arguments;
  for (std::uint32_t i = 0; i < commandLine.argumentCount(); ++i) {
    arguments.push_back(commandLine.argument(i));
  }
  return runCommandLine(arguments.data(), static_cast<std::uint32_t>(arguments.size()), store,
                        localizer, out, lockWaitMs);
}

}  // namespace app::cli
