#!/usr/bin/env bash
# Screenshots of the tool window in other languages, for a reader to check that every text
# fits and reads right: the language is chosen as the stored setting before the start. Each
# language gives the window (tool-window-<language>.png) and, after its apply button is pressed
# from the stock Windows XP values, the message box the program shows
# (message-<language>.png). PNGs go to docs/screenshots/ unless another folder is given.
#   bash tests/program/screenshots.sh build/win/tests/e2e_driver.exe build/win/VexoOmbrel.exe \
#     [folder [engName...]]
# Runs in the run command's prefix (build/run-prefix) unless VEXO_WINEPREFIX says otherwise;
# the heap values, the kept change state and the language found there are put back at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
driver=$(realpath "$1")
program=$(realpath "$2")
out=$(realpath -m "${3:-$root/docs/screenshots}")
shift $(($# < 3 ? $# : 3))
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(German Russian)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$driver" "$program" "$out" \
    "${languages[@]}"
fi
export VEXO_WINEPREFIX=${VEXO_WINEPREFIX:-$root/build/run-prefix}
# Texts in other languages pass through the driver's arguments and output as UTF-8.
export LC_ALL=C.UTF-8
drive() { "$root/scripts/wine-run.sh" "$driver" "$@"; }
caption=$(basename "$program" .exe)
source "$root/tests/program/values.sh"
# What pressing the apply button rewrites, and the language chosen below.
kept=("$subsystems|Windows" "$memory|SessionViewSize" "$settings\\Language|"
  "$view|OperationDone" "$view|OriginalSessionViewSize" "$view|OriginalDesktopHeap")

work=$(mktemp -d)
pid=
saved=()
for entry in "${kept[@]}"; do saved+=("$(value_of "${entry%|*}" "${entry#*|}")"); done
cleanup() {
  set +e
  if [ -n "$pid" ]; then drive kill pid="$pid" >/dev/null 2>&1; fi
  for i in "${!kept[@]}"; do put_value "${kept[$i]%|*}" "${kept[$i]#*|}" "${saved[$i]}"; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$out"
# Wine's own fonts are found only in the prefix's Fonts folder (as the run command does it);
# without them the texts fall back to other faces.
fonts=$VEXO_WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf "$fonts/"
fi
drive reg-set key='HKCU\Software\Wine\X11 Driver' name=Decorated type=REG_SZ text=N >/dev/null
for language in "${languages[@]}"; do
  name=$(tr '[:upper:]' '[:lower:]' <<<"$language")
  drive reg-set key="$settings\\Language" name= type=REG_SZ text="$language" >/dev/null
  # Stock values and no change kept: only the apply button is enabled.
  drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$stock_windows" >/dev/null
  drive reg-set key="$memory" name=SessionViewSize type=REG_DWORD number=48 >/dev/null
  for value in OperationDone OriginalSessionViewSize OriginalDesktopHeap; do
    drive reg-delete key="$view" name=$value >/dev/null 2>&1 || true
  done
  started=$(drive start exe="$program")
  pid=${started#pid=}
  drive wait-window pid="$pid" timeout=60000 >/dev/null
  drive screenshot pid="$pid" out="$work/shot.bmp" >/dev/null
  convert "$work/shot.bmp" -strip "$out/tool-window-$name.png"
  echo "screenshot: $out/tool-window-$name.png"

  # The apply button is the window's first button; its text is the language's.
  apply=$(drive text pid="$pid" control-class=Button control-index=0)
  apply=${apply#\"}
  apply=${apply%\"}
  drive expect pid="$pid" control="$apply" enabled=1 >/dev/null
  drive click pid="$pid" control="$apply" >/dev/null
  box=$(drive msgbox pid="$pid" caption="$caption" timeout=20000)
  drive screenshot pid="$pid" class='#32770' out="$work/box.bmp" >/dev/null
  convert "$work/box.bmp" -strip "$out/message-$name.png"
  echo "button: $apply"
  echo "${box#msgbox * caption=}"
  echo "screenshot: $out/message-$name.png"
  drive msgbox pid="$pid" press=OK timeout=20000 >/dev/null
  drive close pid="$pid" wait=1 timeout=20000 >/dev/null
  pid=
done
WINEPREFIX=$VEXO_WINEPREFIX timeout 30 wineserver -w || true
