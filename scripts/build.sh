#!/usr/bin/env bash
# Installs what the Windows build needs and builds it (build/win): the library, the heap
# editor, the program VexoOmbrel.exe and their test programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/setup-libjpeg-mingw.sh
cmake --preset win >/dev/null
cmake --build --preset win
