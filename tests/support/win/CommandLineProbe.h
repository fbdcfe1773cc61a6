#pragma once

// What the command-line probe (tests/app/cli) and the tests that run it agree on.

namespace vexo_test {

// The probe's settings store: a key of the tests' own, not the program's.
constexpr const char16_t* kProbeStoreParent = u"Software\\Vexo\\Tests\\CommandLine";
constexpr const char16_t* kProbeStorePath = u"Software\\Vexo\\Tests\\CommandLine\\SaveData";
// How long the probe waits for the lock between copies, in milliseconds (unset: the program's
// own wait).
constexpr const wchar_t* kProbeLockWaitVariable = L"VEXO_PROBE_LOCK_WAIT_MS";

}  // namespace vexo_test
