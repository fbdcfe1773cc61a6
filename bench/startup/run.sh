#!/usr/bin/env bash
# Start-up time under Wine: from the start of the process until its first window is visible,
# for the program and for a minimal Win32 program that only shows a window; the two take turns,
# 20 runs each after one unrecorded run, with the wineserver kept warm by the driver that starts
# them. Prints every run, the medians and the ratio (a benchmark, not a test: it passes nothing).
#   bash bench/startup/run.sh [PROGRAM.exe]   (default: VexoOmbrel.exe of the win build)
# VEXO_BENCH_RUNS changes the number of runs; VEXO_WINEPREFIX the prefix (build/bench-prefix).
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$(pwd)
program=${1:-}
if [ "${VEXO_BENCH_DISPLAY:-}" != 1 ]; then
  cmake --preset win >/dev/null
  if [ -z "$program" ]; then
    cmake --build --preset win --target VexoOmbrel e2e_driver startup_minimal
    program=$repo/build/win/$(ninja -C build/win -t query VexoOmbrel |
      sed -n 's/^ *\(.*VexoOmbrel\.exe\)$/\1/p' | head -1)
  else
    cmake --build --preset win --target e2e_driver startup_minimal
    program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
  fi
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env VEXO_BENCH_DISPLAY=1 bash "$0" "$program"
  fi
fi

export VEXO_WINEPREFIX=${VEXO_WINEPREFIX:-$repo/build/bench-prefix}
minimal=$repo/build/win/tests/startup_minimal.exe
echo "bench: $(basename "$program") against $(basename "$minimal"), prefix $VEXO_WINEPREFIX"
rc=0
scripts/wine-run.sh "$repo/build/win/tests/e2e_driver.exe" launch-time \
  runs="${VEXO_BENCH_RUNS:-20}" exe="$minimal" exe="$program" timeout=60000 || rc=$?
# Wine's desktop leaves a little after the last program: a virtual display must outlive it.
WINEPREFIX=$VEXO_WINEPREFIX timeout 30 wineserver -w || true
exit $rc
