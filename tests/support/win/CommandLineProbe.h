#pragma once

// What the command-line probe (tests/app/cli) and the tests that run it agree on.

namespace vexo_test {

// The probe's settings live in a test area of their own below Software\Vexo.
constexpr const char16_t* kProbeArea = u"VexoTest-cli";
constexpr const char16_t* kProbeStorePath = u"Software\\Vexo\\VexoTest-cli\\SaveData";
// How long the probe waits for the lock between copies, in milliseconds (unset: the program's
// own wait).
constexpr const wchar_t* kProbeLockWaitVariable = L"VEXO_PROBE_LOCK_WAIT_MS";

}  // namespace vexo_test
