#!/usr/bin/env bash
# The program's main job as a user does it: the first start, "Increase it Now!", a restart,
# "Undo the Change", with the registry read byte for byte after each step.
source "$(dirname "$0")/lib.sh"
applied_windows=${stock_windows/SharedSection=1024,3072,512/SharedSection=1024,9216,512}

seed_stock
stock_windows_hex=$(drive reg-get key="$subsystems" name=Windows print=hex)

step "first start: every view option checked, only the apply button enabled"
start_program
buttons_are 1 0
view_menu=$(menu_of "Keep on Top")
checked_in "$view_menu" "Keep on Top" 1
checked_in "$view_menu" "Easy Drag" 1
checked_in "$view_menu" "Close By Mouse-Wheel Click" 1
drive expect pid="$pid" topmost=1 >/dev/null || fail "the window is not kept on top"

step "apply: 9216 and 96 written, the values found before kept, the buttons flipped"
drive click pid="$pid" control="Increase it Now!" >/dev/null
answer_box 'Operation Successful!\r\nPlease restart your computer now.'
drive_steps <<STEPS || fail "the registry after apply"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ text="$applied_windows"
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=96
reg-expect key="$view" name=OriginalSessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OriginalDesktopHeap type=REG_DWORD number=3072
reg-expect key="$view" name=OperationDone type=REG_DWORD number=1
STEPS
buttons_are 0 1

step "restart: the change is still in force"
close_program
start_program
buttons_are 0 1

step "undo: both values exactly as first read"
drive click pid="$pid" control="Undo the Change" >/dev/null
answer_box 'Undo Successful!\r\nPlease restart your computer now.'
drive_steps <<STEPS || fail "the registry after undo"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$stock_windows_hex
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OperationDone type=REG_DWORD number=0
STEPS
buttons_are 1 0
close_program
