#!/usr/bin/env bash
# A second start while the program runs: the running copy's window comes back to the front and
# the new copy ends without a window of its own. A copy of the program in another folder is
# another program and opens its own window.
source "$(dirname "$0")/lib.sh"

seed_stock
start_program
first=$pid
"$wine_run" "$helper" minimize "$first" || fail "the first copy's window did not minimise"
# (Without a window manager a minimised window may keep the foreground: iconic is what counts.)
grep -q '^iconic=1' <<<"$("$wine_run" "$helper" state "$first")" || fail "the first copy is not minimised"

step "the same file again"
# A copy that opened a window of its own would wait for it to be closed and never end here.
# Started and waited for in one driver run, which holds it: it may end before a later run looks.
out=$(drive_steps <<STEPS
start exe="$program"
wait-exit code=0 timeout=30000
STEPS
) || fail "the second copy did not end: $out"
grep -q '^exit-code=0' <<<"$out" || fail "the second copy did not end with 0: $out"
state=""
for _ in $(seq 1 50); do
  state=$("$wine_run" "$helper" state "$first" | tr -d '\r')
  [ "$state" = "iconic=0 foreground=1" ] && break
  sleep 0.2
done
[ "$state" = "iconic=0 foreground=1" ] || fail "the first copy did not come to the front: $state"
drive list pid="$first" >/dev/null || fail "the first copy's window is gone"

step "a copy in another folder is not the same program"
mkdir -p "$work/other"
cp "$program" "$work/other/"
pid_first=$first
start_program "$work/other/$(basename "$program")"
other=$pid
[ "$other" != "$pid_first" ] || fail "the other copy has the first one's process"
close_program
pid=$pid_first
close_program
