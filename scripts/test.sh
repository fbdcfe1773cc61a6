#!/usr/bin/env bash
# Builds the host and Windows builds and runs every test (host natively, Windows under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/setup-libjpeg-mingw.sh

# Windows tests open real windows: with no display (a server, CI) they get a virtual one.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

cmake --preset win >/dev/null
cmake --build --preset win
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  # 32-bit Wine is emulated on this machine (scripts/enable-i386.sh): each process costs a
  # minute, so the 32-bit run keeps the portable tests, the heap editor's and the XP import
  # check, and leaves the rest to the 64-bit build below.
  ctest --preset win -LE emulated-slow
else
  ctest --preset win
fi

# The same Windows code as 64-bit, for 64-bit Wine (which runs natively everywhere).
cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64
