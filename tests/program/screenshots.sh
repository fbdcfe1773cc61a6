#!/usr/bin/env bash
# Screenshots of the tool window in other languages, for a reader to check that every text
# fits: the language is chosen as the stored setting before the start. PNGs go to
# docs/screenshots/ (tool-window-<language>.png) unless another folder is given.
#   bash tests/program/screenshots.sh build/win/tests/e2e_driver.exe build/win/VexoOmbrel.exe \
#     [folder [engName...]]
# Runs in the run command's prefix (build/run-prefix) unless VEXO_WINEPREFIX says otherwise.
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
drive() { "$root/scripts/wine-run.sh" "$driver" "$@"; }
language_key='HKCU\Software\Vexo\Vexo Ombrel\SaveData\Language'
work=$(mktemp -d)
pid=
saved=$(drive reg-get key="$language_key" name= print=text absent-ok=1)
cleanup() {
  if [ -n "$pid" ]; then drive kill pid="$pid" >/dev/null 2>&1 || true; fi
  if [ "$saved" = "value absent" ]; then
    drive reg-delete key="$language_key" name= >/dev/null 2>&1 || true
  else
    drive reg-set key="$language_key" name= type=REG_SZ text="${saved:1:-1}" >/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$out"
drive reg-set key='HKCU\Software\Wine\X11 Driver' name=Decorated type=REG_SZ text=N >/dev/null
for language in "${languages[@]}"; do
  drive reg-set key="$language_key" name= type=REG_SZ text="$language" >/dev/null
  started=$(drive start exe="$program")
  pid=${started#pid=}
  drive wait-window pid="$pid" timeout=60000 >/dev/null
  file="$out/tool-window-$(tr '[:upper:]' '[:lower:]' <<<"$language").png"
  drive screenshot pid="$pid" out="$work/shot.bmp" >/dev/null
  convert "$work/shot.bmp" -strip "$file"
  drive close pid="$pid" wait=1 timeout=20000 >/dev/null
  pid=
  echo "screenshot: $file"
done
WINEPREFIX=$VEXO_WINEPREFIX timeout 30 wineserver -w || true
