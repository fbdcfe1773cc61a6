#!/usr/bin/env bash
# Keys as a user types them (to the focused control, or to a message box), a pop-up menu opened
# by a plain click and then read, chosen from by place and closed, texts beyond ASCII on their
# way in and out, and the start-up timing the benchmark uses.
source "$(dirname "$0")/lib.sh"

seed_stock
start_standin 320,400

# Space on the focused button presses it; Enter in the message box presses its default button.
drive_steps <<EOF
click pid=$standin_pid control="Undo the Change"
expect control="Undo the Change" enabled=0
key control="Increase it Now!" vk=space
msgbox text-part="Operation Successful!"
key class=#32770 vk=return
wait-gone class=#32770 timeout=3000
expect pid=$standin_pid control="Increase it Now!" enabled=0
EOF
drive reg-expect key="$memory_key" name=SessionViewSize type=REG_DWORD number=96 >/dev/null

# A click on the About title opens its menu; the popup verbs work on whatever menu is open.
drive click pid="$standin_pid" at=80,10 >/dev/null
items=$(drive popup-items pid="$standin_pid")
grep -q '^item 0 text="Version Information" id=10000' <<<"$items" || fail "About menu: $items"
drive popup-close pid="$standin_pid" >/dev/null
must_fail popup-items pid="$standin_pid" timeout=300
sleep 0.6
drive click pid="$standin_pid" at=20,10 >/dev/null
drive popup-choose pid="$standin_pid" index=4 by=mouse | grep -q 'chose item 4 text="Say Hello' ||
  fail "Say Hello by its place"
drive msgbox pid="$standin_pid" text="Hello from the menu bar." press=OK >/dev/null
rc=0
drive menu pid="$standin_pid" at=20,10 index=9 >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "an index past the menu's end is a usage error, got $rc"
must_fail popup-items pid="$standin_pid" timeout=300

# Texts beyond ASCII, from a script (read as UTF-8) and from the command line.
drive_steps <<EOF
reg-set key="$area\\Texts" name=Language type=REG_SZ text="Выгляд — ελληνικά"
reg-expect key="$area\\Texts" name=Language type=REG_SZ hex=12044b0433043b044f043404200014202000b503bb03bb03b703bd03b903ba03ac030000
EOF
drive reg-expect key="$area\\Texts" name=Language type=REG_SZ text="Выгляд — ελληνικά" >/dev/null
[ "$(drive reg-get key="$area\\Texts" name=Language print=text)" = '"Выгляд — ελληνικά"' ] ||
  fail "the text does not come back whole"
drive close pid="$standin_pid" wait=1 >/dev/null
standin_pid=

# The benchmark's timing, twice each: a line per run, a median per program and their ratio.
minimal=$(dirname "$standin")/startup_minimal.exe
timing=$(drive launch-time runs=2 exe="$minimal" exe="$standin" timeout=30000)
echo "$timing"
[ "$(grep -c '^run [12] exe=' <<<"$timing")" = 4 ] || fail "runs: $timing"
grep -q '^median exe="startup_minimal.exe" ms=[0-9.]* min=' <<<"$timing" || fail "median: $timing"
grep -q '^median exe="e2e_standin.exe" ms=[0-9.]* ' <<<"$timing" || fail "median: $timing"
grep -q '^ratio exe="e2e_standin.exe" to="startup_minimal.exe" value=[0-9.]*$' <<<"$timing" ||
  fail "ratio: $timing"
echo PASS
