#!/usr/bin/env bash
# Style and static checks: clang-format (no changes wanted) and clang-tidy over the host build.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-all}
files=$(git ls-files '*.h' '*.cpp' | grep -v '^resources/')
clang-format --dry-run --Werror $files
[ "$mode" = "format" ] && exit 0
[ -f build/host/compile_commands.json ] || cmake --preset host >/dev/null
git ls-files 's/*.cpp' 'app/*.cpp' | grep -v '/win/' | xargs -P2 -n4 clang-tidy -quiet -p build/host --warnings-as-errors='*' 2>/dev/null
echo "lint: clean"
