#!/usr/bin/env bash
# A change the registry does not take is reported as a failure and changes nothing: a Windows
# value without a usable SharedSection clause, and a SubSystems key the user may only read.
# Neither the registry nor the kept values nor the buttons move.
source "$(dirname "$0")/lib.sh"
[ -n "$helper" ] || fail "give the helper as third argument"
unusable_text='Nothing was changed: a Windows setting that this program must edit is missing or not in the expected form.\r\nPlease ask the person who looks after this computer for help.'
denied_text='Nothing was changed: Windows did not allow the change.\r\nPlease log on with an administrator account and try again.'

# Nothing of the change may show anywhere: the values as seeded, nothing kept, apply offered.
unchanged() {  # WINDOWS_HEX
  drive_steps <<STEPS || fail "something changed"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$1
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OriginalSessionViewSize absent=1
reg-expect key="$view" name=OriginalDesktopHeap absent=1
reg-expect key="$view" name=OperationDone absent=1
STEPS
  buttons_are 1 0
}

step "a Windows value without a SharedSection clause"
seed_stock
drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ \
  text="${stock_windows/SharedSection=1024,3072,512 /}" >/dev/null
no_clause=$(drive reg-get key="$subsystems" name=Windows print=hex)
start_program
drive click pid="$pid" control="Increase it Now!" >/dev/null
answer_box "$unusable_text"
unchanged "$no_clause"

step "a clause whose desktop heap is not a number"
drive reg-set key="$subsystems" name=Windows type=REG_EXPAND_SZ \
  text="${stock_windows/1024,3072,512/1024,lots,512}" >/dev/null
bad_number=$(drive reg-get key="$subsystems" name=Windows print=hex)
drive click pid="$pid" control="Increase it Now!" >/dev/null
answer_box "$unusable_text"
unchanged "$bad_number"
close_program

step "the SubSystems key read-only, as for a user without administrator rights"
seed_stock
stock_hex=$(drive reg-get key="$subsystems" name=Windows print=hex)
hold_key_read_only
start_program
drive click pid="$pid" control="Increase it Now!" >/dev/null
answer_box "$denied_text"
unchanged "$stock_hex"
close_program
release_key

step "an undo the registry refuses keeps the change in force"
seed_stock
start_program
drive click pid="$pid" control="Increase it Now!" >/dev/null
answer_box 'Operation Successful!\r\nPlease restart your computer now.'
applied_hex=$(drive reg-get key="$subsystems" name=Windows print=hex)
hold_key_read_only
drive click pid="$pid" control="Undo the Change" >/dev/null
answer_box "$denied_text"
drive_steps <<STEPS || fail "the refused undo changed something"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$applied_hex
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=96
reg-expect key="$view" name=OperationDone type=REG_DWORD number=1
reg-expect key="$view" name=OriginalDesktopHeap type=REG_DWORD number=3072
STEPS
buttons_are 0 1
release_key
drive click pid="$pid" control="Undo the Change" >/dev/null
answer_box 'Undo Successful!\r\nPlease restart your computer now.'
drive reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex="$stock_hex" >/dev/null ||
  fail "the undo after the key opened again did not restore the value"
buttons_are 1 0
close_program
