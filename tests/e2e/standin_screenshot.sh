#!/usr/bin/env bash
# Screenshots of a window: the file holds that window's pixels at their places (the stand-in's
# own background colour where no control is, a button where the button is), and a window with
# its message box open can be taken together.
source "$(dirname "$0")/lib.sh"

background='#2E8B57'  # the stand-in's client colour
pixel() {  # FILE X Y: the colour as #RRGGBB
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1
}
size() { identify -format '%wx%h' "$1"; }

seed_stock
start_standin 600,60

shot=$(drive screenshot pid="$standin_pid" area=client out="$work/client.bmp")
echo "$shot"
convert "$work/client.bmp" "$work/client.png"
[ "$(size "$work/client.png")" = "${shot##*size=}" ] || fail "size: $(size "$work/client.png") vs $shot"
# Left of the buttons, and between the lower button and the status line: only the window.
[ "$(pixel "$work/client.png" 3 60)" = "$background" ] || fail "margin $(pixel "$work/client.png" 3 60)"
[ "$(pixel "$work/client.png" 100 150)" = "$background" ] || fail "gap $(pixel "$work/client.png" 100 150)"
# The apply button's face sits 8 pixels in and 34 down.
face=$(pixel "$work/client.png" 20 50)
[ -n "$face" ] && [ "$face" != "$background" ] || fail "the button is not in the picture ($face)"

drive click pid="$standin_pid" control="Increase it Now!" >/dev/null
drive msgbox pid="$standin_pid" >/dev/null
window=$(drive screenshot pid="$standin_pid" out="$work/window.bmp")
both=$(drive screenshot pid="$standin_pid" include-owned=1 out="$work/both.bmp")
echo "$window"
echo "$both"
convert "$work/both.bmp" "$work/both.png"
window_size=${window##*size=}
both_size=${both##*size=}
[ "$both_size" = "$(size "$work/both.png")" ] || fail "both: $both_size vs $(size "$work/both.png")"
# The message box reaches past the 230-pixel window, so the picture of both is larger.
[ "${both_size%x*}" -gt "${window_size%x*}" ] || [ "${both_size#*x}" -gt "${window_size#*x}" ] ||
  fail "the message box is not in the picture: $both_size vs $window_size"
drive msgbox pid="$standin_pid" press=OK >/dev/null
drive close pid="$standin_pid" wait=1 >/dev/null
standin_pid=
echo PASS
