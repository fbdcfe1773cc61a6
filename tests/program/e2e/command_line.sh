#!/usr/bin/env bash
# The command-line modes through the real program: output in the pipe, exit codes a script
# relies on, the registry byte for byte after each step, no window (not even beside the open
# tool window), and the window started afterwards showing the state the command line left.
source "$(dirname "$0")/lib.sh"
[ -n "$helper" ] || fail "give the helper as third argument"
applied_windows=${stock_windows/SharedSection=1024,3072,512/SharedSection=1024,9216,512}

# Runs the program with ARGS; sets $out (carriage returns dropped) and $code. The helper starts
# it and watches the top-level windows meanwhile: none may come up (nor of process WATCH, when
# set), so a box shown by mistake fails at once instead of waiting for the test's time limit.
watch=0
run() {
  code=0
  out=$("$wine_run" "$helper" watch "$watch" "$(winepath_of "$program")" "$@" | tr -d '\r') ||
    code=$?
  grep -qxF "new-windows=0" <<<"$out" || fail "a window came up during $*: $out"
}
expect_code() { [ "$code" = "$1" ] || fail "exit code $code, not $1, for: $out"; }
has_line() { grep -qxF "$1" <<<"$out" || fail "no line \"$1\" in: $out"; }

seed_stock
stock_hex=$(drive reg-get key="$subsystems" name=Windows print=hex)

step "/status on the stock value, started straight from the shell"
code=0
out=$("$wine_run" "$program" /status | tr -d '\r') || code=$?
expect_code 0
has_line "SharedSection: 1024,3072,512 (desktop heap 3072)"
has_line "Change in force: no"

step "/apply, /status, /apply again, with letter case and dash"
run /apply
expect_code 0
has_line "Operation Successful!"
drive_steps <<STEPS || fail "the registry after /apply"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$applied_windows"
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=96
reg-expect key="$view" name=OperationDone type=REG_DWORD number=1
reg-expect key="$view" name=OriginalDesktopHeap type=REG_DWORD number=3072
STEPS
run -STATUS
expect_code 0
has_line "Change in force: yes"
run /Apply
expect_code 0
has_line "The change is already in force; nothing was written."
drive reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$applied_windows" \
  >/dev/null || fail "the second /apply wrote something"

step "the window started afterwards offers the undo"
start_program
buttons_are 0 1

step "/status beside the open window: the report, the window untouched, no window of its own"
watch=$pid
run /status
watch=0
expect_code 0
has_line "SharedSection: 1024,9216,512 (desktop heap 9216)"
has_line "Change in force: yes"
drive expect pid="$pid" visible=1 enabled=1 >/dev/null ||
  fail "the tool window is gone or disabled after /status"
buttons_are 0 1
close_program

step "/undo puts the values back exactly"
run /undo
expect_code 0
has_line "Undo Successful!"
drive_steps <<STEPS || fail "the registry after /undo"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$stock_hex
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OperationDone type=REG_DWORD number=0
STEPS

step "a bad argument: the usage, code 1, nothing written"
run /increase
expect_code 1
grep -q "^Usage: $(basename "$program") /status | /apply | /undo | /?" <<<"$out" ||
  fail "no usage: $out"
drive reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex="$stock_hex" >/dev/null ||
  fail "a bad argument wrote something"

step "a read-only key: the write-failed code, nothing changed"
hold_key_read_only
run /apply
expect_code 5
release_key
drive_steps <<STEPS || fail "the refused /apply changed something"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$stock_hex
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OperationDone type=REG_DWORD number=0
STEPS

step "Windows Vista: the unsupported code, nothing written"
name="VexoOmbrel-vista.exe"
cp "$program" "$work/$name"
set_version_for "$name" vista
code=0
out=$("$wine_run" "$work/$name" /apply | tr -d '\r') || code=$?
expect_code 2
drive reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex="$stock_hex" >/dev/null ||
  fail "/apply on Vista wrote something"
