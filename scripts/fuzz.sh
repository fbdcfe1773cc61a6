#!/usr/bin/env bash
# Builds the libFuzzer targets (clang preset "fuzz") and runs one for a number of seconds on one
# core. Usage: scripts/fuzz.sh TARGET [SECONDS]   e.g. scripts/fuzz.sh xml 600
# The growing corpus is kept in build/fuzz-corpus/TARGET; seeds come from fuzz/TARGET/seeds.
# Findings (crash-*, leak-*, timeout-*) and the worker log fuzz-0.log go to
# build/fuzz-findings/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}
seconds=${2:-600}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "fuzz_$target"

root=$(pwd)
corpus=$root/build/fuzz-corpus/$target
findings=$root/build/fuzz-findings/$target
mkdir -p "$corpus" "$findings"
seeds=()
[ -d "fuzz/$target/seeds" ] && seeds=("$root/fuzz/$target/seeds")
dict=()
[ -f "fuzz/$target/$target.dict" ] && dict=(-dict="$root/fuzz/$target/$target.dict")

# libFuzzer writes its worker log (fuzz-0.log) into the current folder.
cd "$findings"
exec "$root/build/fuzz/fuzz/$target/fuzz_$target" "${dict[@]}" "$corpus" "${seeds[@]}" \
  -max_total_time="$seconds" -jobs=1 -workers=1 -max_len=65536 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1
