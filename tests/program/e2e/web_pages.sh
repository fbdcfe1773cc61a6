#!/usr/bin/env bash
# The About menu's version window, and the web pages the About menu, the Language menu and the
# status bar's link open: each address reaches the shell as the browser gets it. A stand-in browser (the helper's record verb) is
# the prefix's handler of https addresses for the length of the test.
source "$(dirname "$0")/lib.sh"
[ -n "$helper" ] || fail "give the helper as third argument"
https_command='HKLM\Software\Classes\https\shell\open\command'
saved_browser=$(value_of "$https_command" "")
pages="$work/pages.txt"
restore_browser() { put_value "$https_command" "" "$saved_browser"; }
trap 'rc=$?; restore_browser; (exit $rc); cleanup' EXIT
drive reg-set key="$https_command" name= type=REG_SZ \
  text="$(driver_text "\"$(winepath_of "$helper")\" record \"$(winepath_of "$pages")\" \"%1\"")" >/dev/null

# Waits until the browser was asked for ADDRESS, the last page asked for.
opened() {  # ADDRESS WHAT
  local last=""
  for _ in $(seq 1 100); do
    [ -f "$pages" ] && last=$(tail -n 1 "$pages")
    [ "$last" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2 did not open $1 (last page: ${last:-none})"
}

seed_stock
start_program
about_at=$(title_at "Software Page (online)")
for page in "Software Page (online)|https://www.vexo.example/ombrel/" \
            "Tell Developers (online)|https://www.vexo.example/ombrel/feedback/" \
            "More Software from Vexo (online)|https://www.vexo.example/software/" \
            "Using at Workplace? (online)|https://www.vexo.example/workplace/"; do
  step "${page%%|*}"
  choose "${page%%|*}" "$about_at"
  opened "${page#*|}" "${page%%|*}"
done

step "Version Information: the About window over the tool window, which waits for it"
choose "Version Information" "$about_at"
drive wait-window pid="$pid" title="Version Information" timeout=30000 >/dev/null ||
  fail "no About window"
drive expect pid="$pid" title="Vexo Ombrel" enabled=0 >/dev/null ||
  fail "the tool window takes input while the About window shows"
drive close pid="$pid" title="Version Information" >/dev/null
drive wait-gone pid="$pid" title="Version Information" timeout=15000 >/dev/null ||
  fail "the About window stays"
drive expect pid="$pid" title="Vexo Ombrel" enabled=1 >/dev/null ||
  fail "the tool window stays disabled after the About window closed"

step "Translate? (online) opens its page and leaves the language as it is"
choose "Translate? (online)"
opened "https://www.vexo.example/translate/" "Translate? (online)"
buttons_are 1 0
checked_in "$(menu_of "Translate? (online)")" "English" 1

step "the link in the status bar, found along the bar as a user finds it"
size=$("$wine_run" "$helper" client "$pid" | tr -d '\r')
width=${size%x*}
height=${size#*x}
found=0
for dx in 18 24 30 36 42 48; do
  drive click pid="$pid" at=$((width - dx)),$((height - 11)) >/dev/null
  sleep 0.5
  if [ -f "$pages" ] && [ "$(tail -n 1 "$pages")" = "https://www.vexo.example/" ]; then
    found=1
    break
  fi
done
[ "$found" = 1 ] || fail "no click along the status bar opened the home page"
close_program
