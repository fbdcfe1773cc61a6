#!/usr/bin/env bash
# Runs the heap gate probe with Wine reporting one Windows version to it alone:
#   run-gate.sh PROBE.exe WINE_VERSION MAJOR MINOR changed|unsupported
set -euo pipefail
probe=$1 version=$2
shift 2
root=$(cd "$(dirname "$0")/../../.." && pwd)
run="$root/scripts/wine-run.sh"
work=$(mktemp -d)
exe="heap_gate_$version.exe"
key="HKCU\\Software\\Wine\\AppDefaults\\$exe"
cleanup() {
  "$run" reg delete "$key" /f >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$probe" "$work/$exe"
"$run" reg add "$key" /v Version /d "$version" /f >/dev/null
"$run" "$work/$exe" "$@"
