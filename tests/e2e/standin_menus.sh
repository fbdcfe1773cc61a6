#!/usr/bin/env bash
# The drawn menu bar: titles opened by a click at their place, native pop-up items read and
# chosen by their text with the keyboard and with the mouse, grayed items refused, and the
# bar's empty part passing clicks to the window.
source "$(dirname "$0")/lib.sh"

view=20,10   # the stand-in's View title
about=80,10  # its About title
start_standin 320,60

items=$(drive menu-items pid="$standin_pid" at=$view)
echo "$items"
grep -q '^item 0 text="Keep on Top" id=100 checked=1 grayed=0' <<<"$items" || fail "View menu: $items"
grep -q '^item 1 text="&Easy Drag" id=120 checked=1' <<<"$items" || fail "Easy Drag: $items"
grep -q '^item 2 separator' <<<"$items" || fail "separator: $items"
grep -q '^item 3 text="Grayed Item" id=140 checked=0 grayed=1' <<<"$items" || fail "grayed: $items"
drive expect pid="$standin_pid" topmost=1 >/dev/null
must_fail popup-items pid="$standin_pid" timeout=300  # menu-items closed what it opened

# Chosen with the arrow keys and Enter, then with the mouse on the item's place; the text is
# matched as the user reads it (no mnemonic mark, no accelerator column).
drive_steps <<EOF
menu pid=$standin_pid at=$view item="Keep on Top"
expect topmost=0
menu at=$view item="Easy Drag" by=mouse
menu at=$view item="Say Hello"
msgbox text="Hello from the menu bar." press=OK
menu at=$about item="Version Information" by=mouse
msgbox text="Stand-in version 1" press=OK
menu at=$view item="Keep on Top" by=mouse
expect topmost=1
EOF
items=$(drive menu-items pid="$standin_pid" at=$view)
grep -q '^item 0 text="Keep on Top" id=100 checked=1' <<<"$items" || fail "Keep on Top back: $items"
grep -q '^item 1 text="&Easy Drag" id=120 checked=0' <<<"$items" || fail "Easy Drag off: $items"

# Items that cannot be chosen: the step fails and leaves no menu open behind it.
must_fail menu pid="$standin_pid" at=$view item="Grayed Item"
grep -q 'it is grayed' <<<"$failed_output" || fail "grayed refusal: $failed_output"
must_fail popup-items pid="$standin_pid" timeout=300
must_fail menu pid="$standin_pid" at=$view item="Say Goodbye"
grep -q 'item 4 text="Say Hello\\tCtrl+H"' <<<"$failed_output" || fail "items listed: $failed_output"
must_fail popup-items pid="$standin_pid" timeout=300

# Between the titles the bar is transparent: the window itself gets the press, at that place.
drive_steps <<EOF
click pid=$standin_pid at=200,10
expect control-id=3 text="Window clicked at 200,10"
close wait=1
EOF
must_fail popup-items pid="$standin_pid" timeout=300
standin_pid=
echo PASS
