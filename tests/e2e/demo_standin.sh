#!/usr/bin/env bash
# The run command's demonstration, pointed at the stand-in: it plays the whole sequence on the
# real heap values of the test prefix, which are put back as they were afterwards.
source "$(dirname "$0")/lib.sh"

machine_values=(
  'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\SubSystems|Windows'
  'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management|SessionViewSize'
)
saved=()
for entry in "${machine_values[@]}"; do
  saved+=("$(drive reg-get key="${entry%|*}" name="${entry#*|}" absent-ok=1)")
done
put_back() {
  local rc=$? i entry value type hex
  for i in "${!machine_values[@]}"; do
    entry=${machine_values[$i]}
    value=${saved[$i]}
    if [ "$value" = "value absent" ]; then
      drive reg-delete key="${entry%|*}" name="${entry#*|}" >/dev/null || rc=1
    else
      type=${value#value type=}
      type=${type%% *}
      hex=${value#* hex=}
      hex=${hex%% *}
      drive reg-set key="${entry%|*}" name="${entry#*|}" type="$type" hex="$hex" >/dev/null || rc=1
    fi
  done
  (exit $rc)
  cleanup
}
trap put_back EXIT

out=$(VEXO_RUN_STATE_KEY="$settings_key" VEXO_RUN_ARGS="/settings \"$settings_key\"" \
  VEXO_RUN_SCREENSHOTS="$work/shots" bash "$(dirname "$0")/demo.sh" "$driver" "$standin" 2>&1) ||
  fail "the demonstration failed: $out"
echo "$out"
grep -q '^demo: everything read back as expected$' <<<"$out" || fail "no final line"
[ "$(grep -c ': ok$' <<<"$out")" = 10 ] || fail "not every check ran"
grep -q 'SharedSection=1024,9216,512' <<<"$out" || fail "the change was not printed"
for picture in tool-window apply-message; do
  [ "$(identify -format '%w' "$work/shots/$picture.png")" -ge 200 ] || fail "$picture.png"
done
echo PASS
