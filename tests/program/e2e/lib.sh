# Shared by the program's end-to-end tests (sourced): the real VexoOmbrel.exe in the test
# prefix, driven from outside by the end-to-end driver, with the heap values and the program's
# settings put back on every path.
#   source lib.sh DRIVER.exe PROGRAM.exe [HELPER.exe]
set -euo pipefail
program_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
driver=$(absolute "$1")
program=$(absolute "$2")
helper=${3:+$(absolute "$3")}
wine_run="$program_root/scripts/wine-run.sh"
test_name=$(basename "$0" .sh)
export LC_ALL=C.UTF-8

subsystems_path='SYSTEM\CurrentControlSet\Control\Session Manager\SubSystems'
app_defaults='HKCU\Software\Wine\AppDefaults'
caption=$(basename "$program" .exe)
work=$(mktemp -d)
pids=()
guard_pid=
version_keys=()

drive() { "$wine_run" "$driver" "$@"; }
# Steps from standard input, one driver process for all of them.
drive_steps() { "$wine_run" "$driver" run -; }
source "$program_root/tests/program/values.sh"

fail() {
  echo "FAIL: $test_name: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

# A check that must not hold: the step exits 1 (not 0, not a usage error).
must_fail() {
  local rc=0
  failed_output=$(drive "$@" 2>&1) || rc=$?
  [ "$rc" = 1 ] || fail "expected exit 1 from '$*', got $rc: $failed_output"
}

saved_windows=$(value_of "$subsystems" Windows)
saved_svs=$(value_of "$memory" SessionViewSize)

cleanup() {
  local rc=$?
  set +e
  for pid in "${pids[@]}"; do drive kill pid="$pid" >/dev/null 2>&1; done
  if [ -n "$guard_pid" ]; then
    "$wine_run" "$helper" release >/dev/null 2>&1
    wait "$guard_pid" 2>/dev/null
  fi
  for key in "${version_keys[@]}"; do drive reg-delete key="$key" >/dev/null 2>&1; done
  put_value "$subsystems" Windows "$saved_windows"
  put_value "$memory" SessionViewSize "$saved_svs"
  drive reg-delete key="$product_key" >/dev/null 2>&1
  rm -rf "$work"
  [ "$rc" = 0 ] && echo "PASS: $test_name"
  exit $rc
}
trap cleanup EXIT

# The stock Windows XP values and a program that has never run: nothing kept, every option at
# its default.
seed_stock() {
  drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$stock_windows" >/dev/null
  drive reg-set key="$memory" name=SessionViewSize type=REG_DWORD number=48 >/dev/null
  drive reg-delete key="$product_key" >/dev/null 2>&1 || true
}

# Starts the program (or EXE) with ARGS and waits for its window; sets $pid.
start_program() {  # [EXE] [ARGS]
  local exe=${1:-$program} out
  out=$(drive start exe="$exe" args="${2:-}") || fail "start: $out"
  pid=${out#pid=}
  pids+=("$pid")
  drive wait-window pid="$pid" timeout=60000 >/dev/null || fail "no window of $(basename "$exe")"
}
# Closes the program's window and waits until the process has ended.
close_program() {
  drive close pid="$pid" wait=1 timeout=30000 >/dev/null || fail "the program did not end"
  forget_pid "$pid"
}
forget_pid() {
  local kept=() p
  for p in "${pids[@]}"; do [ "$p" = "$1" ] || kept+=("$p"); done
  pids=("${kept[@]+"${kept[@]}"}")
}

# The items of the menu the title at AT opens. The driver closes the menu with Escape; when the
# menu is gone before the key's release reaches it, the driver reports a failure although the
# listing is whole: that one is read again.
items_at() {  # AT [TIMEOUT]
  local out attempt
  for attempt in 1 2 3; do
    if out=$(drive menu-items pid="$pid" at="$1" timeout="${2:-10000}" 2>&1); then
      printf '%s\n' "$out"
      return 0
    fi
    grep -q "the key could not be posted" <<<"$out" || return 1
  done
  return 1
}

# The title of the drawn menu bar whose pop-up holds ITEM, found as a user finds it: by
# clicking along the bar. Prints the point (client coordinates of the window).
title_at() {  # ITEM
  local x items
  for x in 12 30 48 66 84 102 120 138 156 174 192 210; do
    items=$(items_at $x,9 700) || continue
    if grep -qF "text=\"$1\"" <<<"$items"; then
      echo "$x,9"
      return 0
    fi
  done
  fail "no title of the menu bar opens a menu with \"$1\""
}
# Opens the menu that holds ITEM by its title and chooses ITEM.
choose() {  # ITEM [TITLE_POINT]
  local at=${2:-$(title_at "$1")}
  # By mouse: a menu chooses on the button's release, so nothing is sent after it has gone.
  drive menu pid="$pid" at="$at" item="$1" by=mouse >/dev/null || fail "could not choose \"$1\""
}
# The items of the menu that holds ITEM, as the driver lists them.
menu_of() {  # ITEM
  items_at "$(title_at "$1")"
}
checked_in() {  # LISTING ITEM 0|1
  grep -qF "text=\"$2\"" <<<"$1" || fail "no item \"$2\" in: $1"
  grep -F "text=\"$2\"" <<<"$1" | grep -q "checked=$3" ||
    fail "\"$2\" is not checked=$3: $(grep -F "text=\"$2\"" <<<"$1")"
}

# The message box now shown by the program: caption checked, text compared as a whole,
# then OK pressed.
answer_box() {  # TEXT
  drive msgbox pid="$pid" caption="$caption" text="$1" press=OK timeout=20000 >/dev/null ||
    fail "message: $(drive msgbox pid="$pid" timeout=2000 2>&1)"
}

buttons_are() {  # APPLY_ENABLED UNDO_ENABLED [APPLY_TEXT UNDO_TEXT]
  local apply=${3:-Increase it Now!} undo=${4:-Undo the Change}
  drive_steps <<STEPS || fail "buttons are not apply=$1 undo=$2"
expect pid=$pid control="$apply" enabled=$1
expect pid=$pid control="$undo" enabled=$2
STEPS
}

# Wine reports the version given to programs of that file name only.
set_version_for() {  # FILE_NAME VERSION
  local key="$app_defaults\\$1"
  version_keys+=("$key")
  drive reg-set key="$key" name=Version type=REG_SZ text="$2" >/dev/null
}

# Holds the SubSystems key read-only until release_key.
hold_key_read_only() {
  local marker="$work/held"
  "$wine_run" "$helper" hold "$subsystems_path" "$(winepath_of "$marker")" &
  guard_pid=$!
  for _ in $(seq 1 300); do
    [ -f "$marker" ] && return 0
    kill -0 "$guard_pid" 2>/dev/null || fail "the key guard ended before the key was read-only"
    sleep 0.1
  done
  fail "the key did not become read-only"
}
release_key() {
  "$wine_run" "$helper" release >/dev/null
  wait "$guard_pid" || fail "the key guard could not put the key's access list back"
  guard_pid=
}
# A Unix path as a Windows program of the prefix sees it.
winepath_of() { echo "Z:${1//\//\\}"; }
# A text as the driver reads it back: its escapes (\t, \n, ...) start with a backslash.
driver_text() { printf '%s' "${1//\\/\\\\}"; }
