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
    # The 64-bit loader runs natively even where 32-bit Wine is emulated.
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vexo-ready"
  fi
  if [ ! -f "$WINEPREFIX/.vexo-desktop" ]; then
    # One virtual desktop for every test window: no window manager takes part, so hiding a
    # window is immediate (about 2 s each on a bare X server otherwise) and focus stays ours.
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vexo-desktop"
  fi
) 9>"$WINEPREFIX.lock"

# The PE machine field: 64-bit programs go straight to the 64-bit loader (the generic wine
# script would start the 32-bit one first, which may be emulated).
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$offset" ] && od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
if [ -f "${1:-}" ] && [ "$(pe_machine "$1")" = "8664" ]; then
  export WINELOADER=/usr/lib/wine/wine64
  exec /usr/lib/wine/wine64 "$@"
fi

# 32-bit Wine runs under qemu here: tests that need threads are left to the 64-bit build.
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  export VEXO_I386_EMULATED=1
fi

exec wine "$@"
