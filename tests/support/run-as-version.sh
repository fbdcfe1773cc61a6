#!/usr/bin/env bash
# Runs a test program with Wine reporting one Windows version to it alone:
#   run-as-version.sh PROGRAM.exe WINE_VERSION [arguments]
# Wine reads a program's version by its file name when the process starts, so the program runs
# as a copy named after the version, with a per-program version set for that name only.
set -euo pipefail
program=$1 version=$2
shift 2
root=$(cd "$(dirname "$0")/../.." && pwd)
run="$root/scripts/wine-run.sh"
prefix=${VEXO_WINEPREFIX:-$root/build/wineprefix}
work=$(mktemp -d)
exe="$(basename "$program" .exe)_$version.exe"
parent="HKCU\\Software\\Wine\\AppDefaults"
key="$parent\\$exe"

# The 64-bit reg.exe starts in seconds; the first run of wine-run.sh prepares a missing prefix.
reg() {
  if [ -x /usr/lib/wine/wine64 ] && [ -f "$prefix/.vexo-ready" ]; then
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64 reg "$@"
  else
    "$run" reg "$@"
  fi
}
# The parent key goes again only if this run made it and nothing else is in it; Wine's reg
# prints only blank lines for a key with no values and no sub-keys.
isEmpty() {
  [ -z "$(reg query "$parent" /s 2>/dev/null | tr -d '\r' | grep -v '^$')" ]
}
hadParent=0
if reg query "$parent" >/dev/null 2>&1; then hadParent=1; fi
cleanup() {
  reg delete "$key" /f >/dev/null 2>&1 || true
  if [ "$hadParent" = 0 ] && isEmpty; then reg delete "$parent" /f >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$program" "$work/$exe"
reg add "$key" /v Version /d "$version" /f >/dev/null
"$run" "$work/$exe" "$@"
