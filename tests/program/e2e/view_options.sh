#!/usr/bin/env bash
# The View menu's three options: each toggles its check and the window's behaviour, is stored
# in the window's settings and comes back at the next start.
source "$(dirname "$0")/lib.sh"

seed_stock
start_program
drive expect pid="$pid" topmost=1 >/dev/null || fail "kept on top at first start"

step "all three off"
view_at=$(title_at "Keep on Top")
choose "Keep on Top" "$view_at"
drive expect pid="$pid" topmost=0 >/dev/null || fail "still kept on top"
choose "Easy Drag" "$view_at"
choose "Close By Mouse-Wheel Click" "$view_at"
view_menu=$(items_at "$view_at")
checked_in "$view_menu" "Keep on Top" 0
checked_in "$view_menu" "Easy Drag" 0
checked_in "$view_menu" "Close By Mouse-Wheel Click" 0
drive_steps <<STEPS || fail "the options as stored"
reg-expect key="$view" name=KeepOnTop type=REG_DWORD number=0
reg-expect key="$view" name=EasyDrag type=REG_DWORD number=0
reg-expect key="$view" name=OnMClick type=REG_SZ text=DoNothing
STEPS

# The menu bar's empty part, between the bar and the buttons: the window itself takes it.
"$wine_run" "$helper" middle "$pid" 110 40
sleep 1
drive expect pid="$pid" visible=1 >/dev/null || fail "a middle click closed the window"

step "they stay off after a restart"
close_program
start_program
drive expect pid="$pid" topmost=0 >/dev/null || fail "kept on top after the restart"
view_menu=$(items_at "$view_at")
checked_in "$view_menu" "Keep on Top" 0
checked_in "$view_menu" "Easy Drag" 0
checked_in "$view_menu" "Close By Mouse-Wheel Click" 0

step "and on again"
choose "Keep on Top" "$view_at"
drive expect pid="$pid" topmost=1 >/dev/null || fail "not kept on top again"
choose "Easy Drag" "$view_at"
choose "Close By Mouse-Wheel Click" "$view_at"
drive_steps <<STEPS || fail "the options as stored again"
reg-expect key="$view" name=KeepOnTop type=REG_DWORD number=1
reg-expect key="$view" name=EasyDrag type=REG_DWORD number=1
reg-expect key="$view" name=OnMClick type=REG_SZ text=Close
STEPS
close_program
start_program
view_menu=$(items_at "$view_at")
checked_in "$view_menu" "Keep on Top" 1
checked_in "$view_menu" "Easy Drag" 1
checked_in "$view_menu" "Close By Mouse-Wheel Click" 1

step "a middle click closes the window"
"$wine_run" "$helper" middle "$pid" 110 40
drive wait-exit pid="$pid" timeout=15000 >/dev/null || fail "a middle click did not close the window"
forget_pid "$pid"
