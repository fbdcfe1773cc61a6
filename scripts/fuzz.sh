#!/usr/bin/env bash
# Builds one libFuzzer target with the `fuzz` preset and runs it for a while:
#   scripts/fuzz.sh TARGET [SECONDS]
# The seed corpus in fuzz/corpus/TARGET is copied into build/fuzz/corpus/TARGET, where the run
# keeps what it finds; crashes land in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}
seconds=${2:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target" -j2
corpus=build/fuzz/corpus/$target
mkdir -p "$corpus" build/fuzz/artifacts
if [ -d "fuzz/corpus/$target" ]; then cp -n "fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true; fi
dict=()
if [ -f "fuzz/$target.dict" ]; then dict=(-dict="fuzz/$target.dict"); fi
exec "build/fuzz/fuzz/$target" "${dict[@]}" -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix=build/fuzz/artifacts/ "$corpus"
