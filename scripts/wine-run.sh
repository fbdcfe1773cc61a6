#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (set to Windows XP), creating
# the prefix on first use. Used by ctest as the cross-compiling emulator.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${VEXO_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No mono or gecko installer dialogs: the prefix must come up with no display and no network.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.vexo-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vexo-ready"
  fi
) 9>"$WINEPREFIX.lock"

exec wine "$@"
