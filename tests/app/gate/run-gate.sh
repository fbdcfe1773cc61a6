#!/usr/bin/env bash
# Runs the heap gate probe with Wine reporting one Windows version to it alone:
#   run-gate.sh PROBE.exe WINE_VERSION MAJOR MINOR changed|unsupported
set -euo pipefail
probe=$1 version=$2
shift 2
root=$(cd "$(dirname "$0")/../../.." && pwd)
run="$root/scripts/wine-run.sh"
prefix=${VEXO_WINEPREFIX:-$root/build/wineprefix}
work=$(mktemp -d)
exe="heap_gate_$version.exe"
parent="HKCU\\Software\\Wine\\AppDefaults"
key="$parent\\$exe"

# The 64-bit reg.exe starts in seconds; a 32-bit one goes through emulation here. The first run
# of wine-run.sh is what prepares a missing prefix.
reg() {
  if [ -x /usr/lib/wine/wine64 ] && [ -f "$prefix/.vexo-ready" ]; then
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64 reg "$@"
  else
    "$run" reg "$@"
  fi
}
# The parent key is removed again only if this run made it and nothing else is in it.
# Wine's reg prints only blank lines for a key with no values and no sub-keys.
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
cp "$probe" "$work/$exe"
reg add "$key" /v Version /d "$version" /f >/dev/null
"$run" "$work/$exe" "$@"
