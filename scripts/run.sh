#!/usr/bin/env bash
# Runs the program under Wine. On a fresh Debian 12 machine (as root) it first installs what is
# missing and builds the Windows program; it runs it in a Wine prefix of its own
# (build/run-prefix, set to Windows XP, with the stock Windows XP heap values).
#   With a display (DISPLAY set): starts the program there and waits for it to end.
#   Without one (a server, CI): on a virtual display, a short demonstration that presses both
#   buttons, prints what it reads and exits 0 only when everything read back as expected
#   (tests/e2e/demo.sh; screenshots go to docs/screenshots).
# VEXO_RUN_EXE=path/to/other.exe runs another program the same way, for instance the
# end-to-end stand-in (build/win/tests/e2e_standin.exe).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
program=${VEXO_RUN_EXE:-}
# The second pass, on the virtual display, finds everything built by the first.
if [ "${VEXO_RUN_DEMO:-}" != 1 ]; then
  bash scripts/setup.sh
  bash scripts/setup-libjpeg-mingw.sh
  cmake --preset win >/dev/null
  if [ -z "$program" ]; then
    cmake --build --preset win --target VexoOmbrel e2e_driver
    program=$(ninja -C build/win -t query VexoOmbrel | sed -n 's/^ *\(.*VexoOmbrel\.exe\)$/\1/p' | head -1)
    [ -n "$program" ] || { echo "run: the target VexoOmbrel makes no VexoOmbrel.exe" >&2; exit 1; }
    program=$repo/build/win/$program
  else
    cmake --build --preset win --target e2e_driver
    program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
  fi
fi
[ -f "$program" ] || { echo "run: $program does not exist" >&2; exit 1; }

# Wine's desktop takes the display of the first program of a session, so the virtual display
# must be there before anything runs in the prefix.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env VEXO_RUN_EXE="$program" VEXO_RUN_DEMO=1 \
    bash "$0" "$@"
fi

export VEXO_WINEPREFIX=${VEXO_WINEPREFIX:-$repo/build/run-prefix}
driver=$repo/build/win/tests/e2e_driver.exe
drive() { scripts/wine-run.sh "$driver" "$@"; }
subsystems='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\SubSystems'
memory='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management'
stock_windows='%SystemRoot%\system32\csrss.exe ObjectDirectory=\Windows SharedSection=1024,3072,512 Windows=On SubSystemType=Windows ServerDll=basesrv,1 ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 ProfileControl=Off MaxRequestThreads=16'

# Wine's registry has neither heap value; a new prefix gets those of a stock Windows XP. Later
# runs keep whatever the program made of them.
if ! drive reg-get key="$subsystems" name=Windows >/dev/null 2>&1; then
  echo "run: preparing $VEXO_WINEPREFIX (Windows XP, stock heap values)"
  drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$stock_windows" >/dev/null
  drive reg-set key="$memory" name=SessionViewSize type=REG_DWORD number=48 >/dev/null
fi

# Wine's own fonts (Tahoma for the texts, Marlett for the caption buttons) are found only in
# the prefix's Fonts folder: without them the window falls back to other faces.
fonts=$VEXO_WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf "$fonts/"
fi

# With no window manager nobody draws the frames unless Wine does it itself; in a user's
# display the window manager's own frames are used.
decorated='HKCU\Software\Wine\X11 Driver'
if [ "${VEXO_RUN_DEMO:-}" != 1 ]; then
  # The user's window manager frames the window, and it is not kept inside a Wine desktop.
  drive reg-delete key="$decorated" name=Decorated >/dev/null
  drive reg-delete key='HKCU\Software\Wine\Explorer' name=Desktop >/dev/null
  echo "run: starting $(basename "$program") on $DISPLAY"
  exec scripts/wine-run.sh "$program"
fi
drive reg-set key="$decorated" name=Decorated type=REG_SZ text=N >/dev/null
state_key='HKCU\Software\Vexo\Vexo Ombrel\SaveData\MainWindow\View'
if [ "$(basename "$program")" = e2e_standin.exe ]; then
  state_key='HKCU\Software\Vexo\E2E Stand-in\MainWindow\View'
  # The stand-in's pictures are not the program's: they stay out of docs/.
  export VEXO_RUN_SCREENSHOTS=${VEXO_RUN_SCREENSHOTS:-$repo/build/run-screenshots}
fi
export VEXO_RUN_STATE_KEY=${VEXO_RUN_STATE_KEY:-$state_key}
rc=0
bash tests/e2e/demo.sh "$driver" "$program" || rc=$?
# Wine's desktop leaves a little after the last program: the virtual display must outlive it.
WINEPREFIX=$VEXO_WINEPREFIX timeout 30 wineserver -w || true
exit $rc
