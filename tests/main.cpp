#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  doctest::Context context;
#if defined(_WIN32) && !defined(_WIN64)
  // 32-bit Wine under qemu's user-mode emulator crashes as soon as two threads run; the
  // 64-bit Windows build runs the thread tests there (scripts/wine-run.sh sets the flag).
  if (std::getenv("VEXO_I386_EMULATED") != nullptr)
    context.addFilter("test-suite-exclude", "threads");
#endif
  context.applyCommandLine(argc, argv);
  return context.run();
}
