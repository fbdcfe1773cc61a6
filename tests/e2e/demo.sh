#!/usr/bin/env bash
# The run command's demonstration on a display without a user: starts the program from the
# stock Windows XP values, prints them, presses "Increase it Now!", prints the values and the
# message shown, saves screenshots, presses OK and "Undo the Change", prints the restored values
# and exits 0 only when everything read back as expected.
#   demo.sh DRIVER.exe PROGRAM.exe
# Environment: VEXO_WINEPREFIX (the prefix), VEXO_RUN_STATE_KEY (where the program keeps its
# change state), VEXO_RUN_ARGS (its arguments), VEXO_RUN_SCREENSHOTS (where pictures go).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
driver=$1
program=$2
state_key=${VEXO_RUN_STATE_KEY:-'HKCU\Software\Vexo\Vexo Ombrel\SaveData\MainWindow\View'}
shots=${VEXO_RUN_SCREENSHOTS:-$root/docs/screenshots}
name=$(basename "$program")
caption=${name%.*}
subsystems='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\SubSystems'
memory='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management'
stock_windows='%SystemRoot%\system32\csrss.exe ObjectDirectory=\Windows SharedSection=1024,3072,512 Windows=On SubSystemType=Windows ServerDll=basesrv,1 ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 ProfileControl=Off MaxRequestThreads=16'
# The messages are checked in English; UTF-8 keeps any other text (a path) whole on its way in.
export LC_ALL=C.UTF-8
pid=
work=$(mktemp -d)

drive() { "$root/scripts/wine-run.sh" "$driver" "$@"; }
failed() {
  echo "demo: FAILED: $*" >&2
  exit 1
}
cleanup() {
  local rc=$?
  if [ -n "$pid" ]; then drive kill pid="$pid" >/dev/null 2>&1 || true; fi
  rm -rf "$work"
  exit $rc
}
trap cleanup EXIT

# The driver quotes a text with backslashes doubled; shown to a reader, they are single again.
plain() { local text=${1#\"}; text=${text%\"}; printf '%s' "${text//\\\\/\\}"; }
# "Operation Successful!\r\nPlease..." as two lines.
lines() { local text; text=$(plain "$1"); text=${text//\\r\\n/ / }; printf '%s' "${text//\\n/ / }"; }
show_values() {
  echo "$1"
  echo "  Windows ($(drive reg-get key="$subsystems" name=Windows print=type)) = $(plain "$(drive reg-get key="$subsystems" name=Windows print=text)")"
  echo "  SessionViewSize ($(drive reg-get key="$memory" name=SessionViewSize print=type)) = $(drive reg-get key="$memory" name=SessionViewSize print=number)"
}
check() {  # WHAT STEP...: a driver step that must hold
  local what=$1
  shift
  if out=$(drive "$@" 2>&1); then echo "  check: $what: ok"; else failed "$what: $out"; fi
}
message() {  # the message box now shown: caption checked, text printed and checked
  local box text
  box=$(drive msgbox pid="$pid" caption="$caption" timeout=20000) || failed "no message box: $box"
  text=${box#* text=}
  text=${text% buttons=*}
  echo "Message shown (caption \"$caption\"): $(lines "$text")"
  case "$text" in *"$1"*) ;; *) failed "the message does not say \"$1\"" ;; esac
}

echo "demo: $program in the prefix ${VEXO_WINEPREFIX:-$root/build/wineprefix}"
echo "demo: starting from the stock Windows XP values, with no change kept by the program"
drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$stock_windows" >/dev/null
drive reg-set key="$memory" name=SessionViewSize type=REG_DWORD number=48 >/dev/null
for value in OperationDone OriginalSessionViewSize OriginalDesktopHeap; do
  drive reg-delete key="$state_key" name=$value >/dev/null
done

show_values "Before:"
first_windows_type=$(drive reg-get key="$subsystems" name=Windows print=type)
first_windows=$(drive reg-get key="$subsystems" name=Windows print=hex)
first_windows_text=$(drive reg-get key="$subsystems" name=Windows print=text)
first_svs=$(drive reg-get key="$memory" name=SessionViewSize print=hex)
expected_windows=$(sed 's/\(SharedSection=[0-9]*,\)[0-9]*/\19216/' <<<"${first_windows_text:1:-1}")

started=$(drive start exe="$program" args="${VEXO_RUN_ARGS:-}") || failed "$started"
pid=${started#pid=}
drive wait-window pid="$pid" timeout=60000 >/dev/null || failed "no window of $name"
check "\"Increase it Now!\" is enabled at first start" expect pid="$pid" control="Increase it Now!" enabled=1
check "\"Undo the Change\" is disabled at first start" expect pid="$pid" control="Undo the Change" enabled=0

echo "Pressing \"Increase it Now!\""
drive click pid="$pid" control="Increase it Now!" >/dev/null
message "Operation Successful!"
show_values "After the change:"
check "Windows is the first value with 9216 as SharedSection's second number, byte for byte" \
  reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$expected_windows"
check "SessionViewSize is 96" reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=96

mkdir -p "$shots"
drive screenshot pid="$pid" class='#32770' out="$work/apply-message.bmp" >/dev/null
convert "$work/apply-message.bmp" "$shots/apply-message.png"
echo "Pressing OK"
drive msgbox pid="$pid" press=OK >/dev/null || failed "the message box did not close"
check "\"Increase it Now!\" is disabled after the change" expect pid="$pid" control="Increase it Now!" enabled=0
check "\"Undo the Change\" is enabled after the change" expect pid="$pid" control="Undo the Change" enabled=1
drive screenshot pid="$pid" out="$work/tool-window.bmp" >/dev/null
convert "$work/tool-window.bmp" "$shots/tool-window.png"
echo "Screenshots: $shots/tool-window.png, $shots/apply-message.png"

echo "Pressing \"Undo the Change\""
drive click pid="$pid" control="Undo the Change" >/dev/null
message "Undo Successful!"
drive msgbox pid="$pid" press=OK >/dev/null || failed "the message box did not close"
show_values "Restored:"
check "Windows is byte for byte as first read" \
  reg-expect key="$subsystems" name=Windows type="$first_windows_type" hex="$first_windows"
check "SessionViewSize is byte for byte as first read" \
  reg-expect key="$memory" name=SessionViewSize type=REG_DWORD hex="$first_svs"
check "\"Increase it Now!\" is enabled again" expect pid="$pid" control="Increase it Now!" enabled=1
check "\"Undo the Change\" is disabled again" expect pid="$pid" control="Undo the Change" enabled=0

# The About window (the stand-in lists its menu but has no such window): its menu is found along
# the menu bar, as a user finds it.
about_at=
[ "$caption" = VexoOmbrel ] && for x in 84 102 120 138 156 174; do
  if grep -qF 'text="Version Information"' <<<"$(drive menu-items pid="$pid" at="$x,9" timeout=5000 2>/dev/null)"; then
    about_at="$x,9"
    break
  fi
done
if [ -n "$about_at" ]; then
  echo "Choosing About > Version Information"
  drive menu pid="$pid" at="$about_at" item="Version Information" by=mouse >/dev/null ||
    failed "could not choose Version Information"
  drive wait-window pid="$pid" title="Version Information" timeout=30000 >/dev/null ||
    failed "no About window"
  check "the tool window waits while the About window shows" expect pid="$pid" title="Vexo Ombrel" enabled=0
  drive screenshot pid="$pid" title="Version Information" out="$work/about-window.bmp" >/dev/null
  convert "$work/about-window.bmp" "$shots/about-window.png"
  echo "Screenshot: $shots/about-window.png"
  drive close pid="$pid" title="Version Information" >/dev/null
  drive wait-gone pid="$pid" title="Version Information" timeout=15000 >/dev/null ||
    failed "the About window stays"
  check "the tool window takes input again" expect pid="$pid" title="Vexo Ombrel" enabled=1
fi

drive close pid="$pid" wait=1 timeout=20000 >/dev/null || failed "the program did not end when its window closed"
pid=
echo "demo: everything read back as expected"
