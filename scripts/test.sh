#!/usr/bin/env bash
# Builds the host and Windows builds and runs every test (host natively, Windows under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

cmake --preset win >/dev/null
cmake --build --preset win
ctest --preset win
