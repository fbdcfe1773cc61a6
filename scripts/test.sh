#!/usr/bin/env bash
# Builds the host and Windows builds and runs every test (host natively, Windows under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/setup-libjpeg-mingw.sh

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

cmake --preset win >/dev/null
cmake --build --preset win
ctest --preset win

# The same Windows code as 64-bit, for 64-bit Wine (which runs natively everywhere).
cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64
