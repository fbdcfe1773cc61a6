#!/usr/bin/env bash
# The two buttons as a user presses them: apply, read the message, OK, the registry byte for
# byte, then undo back to the exact bytes found first.
source "$(dirname "$0")/lib.sh"

seed_stock
before_windows=$(drive reg-get key="$subsystems_key" name=Windows print=hex)
start_standin 40,60

drive_steps <<EOF
# first start: nothing kept, so only the apply button is enabled
expect pid=$standin_pid control="Increase it Now!" enabled=1
expect control="Undo the Change" enabled=0
click control="Increase it Now!"
msgbox caption=e2e_standin text="Operation Successful!\r\nPlease restart your computer now." press=OK
expect control="Increase it Now!" enabled=0
expect control="Undo the Change" enabled=1
EOF

applied=${stock_windows/SharedSection=1024,3072,512/SharedSection=1024,9216,512}
drive reg-expect key="$subsystems_key" name=Windows type=REG_EXPAND_SZ text="$applied"
drive reg-expect key="$memory_key" name=SessionViewSize type=REG_DWORD number=96
drive_steps <<EOF
reg-expect key="$settings_key" name=OriginalDesktopHeap type=REG_DWORD number=3072
reg-expect key="$settings_key" name=OriginalSessionViewSize type=REG_DWORD number=48
reg-expect key="$settings_key" name=OperationDone type=REG_DWORD number=1
EOF

# A disabled button takes no press: the click goes to the window behind it and no message
# comes.
drive click pid="$standin_pid" control="Increase it Now!" >/dev/null
drive expect pid="$standin_pid" control-id=3 text-part="Window clicked at" >/dev/null
must_fail msgbox pid="$standin_pid" timeout=700

drive_steps <<EOF
click pid=$standin_pid control="Undo the Change"
msgbox text="Undo Successful!\r\nPlease restart your computer now." press=OK
expect control="Increase it Now!" enabled=1
expect control="Undo the Change" enabled=0
reg-expect key="$subsystems_key" name=Windows type=REG_EXPAND_SZ hex=$before_windows
reg-expect key="$memory_key" name=SessionViewSize type=REG_DWORD hex=30000000
reg-expect key="$settings_key" name=OperationDone type=REG_DWORD number=0
close wait=1
EOF
standin_pid=
echo "PASS"
