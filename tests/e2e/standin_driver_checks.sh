#!/usr/bin/env bash
# The driver's own checks fail when what they expect does not hold, say why, and give up in
# bounded time: a check that cannot fail would prove nothing about the real program.
source "$(dirname "$0")/lib.sh"

must_usage() {
  local rc=0
  failed_output=$(drive "$@" 2>&1) || rc=$?
  [ "$rc" = 2 ] || fail "expected exit 2 from '$*', got $rc: $failed_output"
}

seed_stock
stock_hex=$(drive reg-get key="$subsystems_key" name=Windows print=hex)
# One byte off, the 0 of 3072 made a 9 ("3072," is 33 00 30 00 37 00 32 00 2c 00): the
# difference is named by its place.
wrong_hex=${stock_hex/33003000370032002c00/33003900370032002c00}
[ "$wrong_hex" != "$stock_hex" ] || fail "the clause was not found in $stock_hex"
before_digit=${stock_hex%%33003000370032002c00*}
at=$(( ${#before_digit} / 2 + 2 ))
drive reg-expect key="$subsystems_key" name=Windows type=REG_EXPAND_SZ hex="$stock_hex" >/dev/null
must_fail reg-expect key="$subsystems_key" name=Windows type=REG_EXPAND_SZ hex="$wrong_hex"
grep -q "the bytes differ at byte $at (of 542 expected, 542 found)" <<<"$failed_output" ||
  fail "difference: $failed_output"
must_fail reg-expect key="$subsystems_key" name=Windows type=REG_SZ hex="$stock_hex"
grep -q 'the type is REG_EXPAND_SZ, not REG_SZ' <<<"$failed_output" || fail "type: $failed_output"
# The same text without its terminating zero is a different value.
must_fail reg-expect key="$subsystems_key" name=Windows type=REG_EXPAND_SZ hex="${stock_hex%0000}"
must_fail reg-expect key="$subsystems_key" name=Windows absent=1
must_fail reg-expect key="$memory_key" name=Missing type=REG_DWORD number=0
drive reg-expect key="$memory_key" name=Missing absent=1 >/dev/null
must_fail reg-get key="$memory_key" name=Missing
[ "$(drive reg-get key="$memory_key" name=SessionViewSize print=number)" = 48 ] || fail "number"
must_usage reg-expect key="$memory_key" name=SessionViewSize type=REG_DWORD hex=600
must_usage reg-get key='HKXX\Software' name=x

start_standin 40,400
drive_steps <<EOF
expect pid=$standin_pid control="Undo the Change" enabled=0
EOF
must_fail expect pid="$standin_pid" control="Undo the Change" enabled=1 timeout=300
grep -q 'enabled=0 (expected 1)' <<<"$failed_output" || fail "enabled: $failed_output"
must_fail expect pid="$standin_pid" control-id=3 text="Busy" timeout=300
grep -q 'text="Ready" (expected "Busy")' <<<"$failed_output" || fail "text: $failed_output"
must_fail click pid="$standin_pid" control="No Such Button" timeout=300
must_fail wait-window title="No such window at all" timeout=300
must_usage click pid="$standin_pid" contrl="Increase it Now!"
must_usage frobnicate pid="$standin_pid"

drive click pid="$standin_pid" control="Increase it Now!" >/dev/null
must_fail msgbox pid="$standin_pid" caption=VexoOmbrel
grep -q 'the caption is "e2e_standin", not "VexoOmbrel"' <<<"$failed_output" || fail "$failed_output"
must_fail msgbox pid="$standin_pid" text="Operation Successful!"
must_fail msgbox pid="$standin_pid" press=Cancel
drive msgbox pid="$standin_pid" press=OK >/dev/null
drive wait-gone pid="$standin_pid" class='#32770' timeout=2000 >/dev/null

# A script stops at its first failing step and names its line.
rc=0
script_output=$(drive_steps 2>&1 <<EOF
expect pid=$standin_pid control="Undo the Change" enabled=1
expect control="Undo the Change" enabled=0 timeout=300
expect control="Undo the Change" enabled=1
EOF
) || rc=$?
[ "$rc" = 1 ] || fail "script: $rc $script_output"
grep -q 'line 2: expect' <<<"$script_output" || fail "script line: $script_output"
[ "$(grep -c 'as expected' <<<"$script_output")" = 1 ] || fail "steps after the failure ran"

must_fail wait-exit pid="$standin_pid" timeout=300
drive close pid="$standin_pid" >/dev/null
drive wait-exit pid="$standin_pid" code=0 >/dev/null
standin_pid=
echo PASS
