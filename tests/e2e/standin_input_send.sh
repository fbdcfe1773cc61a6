#!/usr/bin/env bash
# The same user actions through the system's input queue (SendInput at the cursor) instead of
# posted messages: a button, a message box's button, a menu title and an item by the mouse and
# by the keyboard.
source "$(dirname "$0")/lib.sh"
export VEXO_E2E_INPUT=send

seed_stock
start_standin 880,60
drive_steps <<EOF
click pid=$standin_pid control="Increase it Now!"
msgbox text-part="Operation Successful!" press=OK
expect control="Undo the Change" enabled=1
expect control="Increase it Now!" enabled=0
menu at=20,10 item="Say Hello" by=mouse
msgbox text="Hello from the menu bar." press=OK
menu at=20,10 item="Keep on Top"
expect topmost=0
click at=150,12
expect control-id=3 text="Window clicked at 150,12"
close wait=1
EOF
standin_pid=
drive reg-expect key="$memory_key" name=SessionViewSize type=REG_DWORD number=96
echo PASS
