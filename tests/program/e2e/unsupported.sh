#!/usr/bin/env bash
# On a system other than Windows XP and Server 2003 the program says so in English, whatever
# language is chosen, opens no tool window and writes nothing to the local machine.
#   unsupported.sh DRIVER PROGRAM HELPER WINE_VERSION
source "$(dirname "$0")/lib.sh"
version=$4
not_supported='This Operating System is currently not supported by this Application. We are sorry for the inconvenience.'

seed_stock
# German chosen: the message must stay English all the same.
drive reg-set key="$settings\\Language" name= type=REG_SZ text=German >/dev/null
windows_hex=$(drive reg-get key="$subsystems" name=Windows print=hex)

# Wine tells the version to programs of one file name: a copy named after the version.
name="VexoOmbrel-$version.exe"
cp "$program" "$work/$name"
set_version_for "$name" "$version"
caption=${name%.exe}
out=$(drive start exe="$work/$name") || fail "start: $out"
pid=${out#pid=}
pids+=("$pid")
drive msgbox pid="$pid" timeout=30000 >/dev/null || fail "no message box"
must_fail wait-window pid="$pid" timeout=1000
# One driver run for the answer and the wait: the program ends as the box closes, and only a
# run that held it from before can still read its exit code.
drive_steps <<STEPS >/dev/null || fail "the message was not answered or the program did not end"
msgbox pid=$pid caption="$caption" text="$not_supported" press=OK timeout=20000
wait-exit pid=$pid code=0 timeout=30000
STEPS
forget_pid "$pid"
drive_steps <<STEPS || fail "the local machine was written"
reg-expect key="$subsystems" name=Windows type=REG_EXPAND_SZ hex=$windows_hex
reg-expect key="$memory" name=SessionViewSize type=REG_DWORD number=48
reg-expect key="$view" name=OperationDone absent=1
STEPS
