#!/usr/bin/env bash
# Photographs the language probe under Wine (the project's prefix, set to Windows XP) on a
# virtual display: the menus and message boxes of the languages whose letters or reading order
# need care on XP, the Arabic ones also without the direction marks for comparison. PNGs go to
# docs/screenshots/ unless another folder is given; further arguments ("name engName mode ...")
# replace the list below.
#   bash tests/lang/probe/screenshots.sh build/win/tests/lang_probe.exe [folder [shot...]]
# Wine needs fonts with Arabic and Persian letters (its own Tahoma, package fonts-wine, or
# DejaVu Sans) and its Marlett for the caption buttons (fonts-wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
probe=$(realpath "${1:?usage: screenshots.sh path/to/lang_probe.exe [folder [shot...]]}")
out=$(realpath -m "${2:-$root/docs/screenshots}")
shift $(($# < 2 ? $# : 2))

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$probe" "$out" "$@"
fi
mkdir -p "$out"
# With no window manager on the virtual display, Wine draws the probe's frames itself.
bash "$root/scripts/wine-run.sh" reg add 'HKCU\Software\Wine\AppDefaults\lang_probe.exe\X11 Driver' \
  /v Decorated /d N /f >/dev/null 2>&1

shots=("$@")
[ ${#shots[@]} -gt 0 ] || shots=(
  "lang-arabic-menu Arabic menu"
  "lang-arabic-menu-without-marks Arabic menu plain"
  "lang-arabic-message Arabic message 1014000"
  "lang-arabic-message-without-marks Arabic message 1014000 plain"
  "lang-persian-message Persian message 1017000"
  "lang-romanian-xp-message Romanian message 1012000"
)
for shot in "${shots[@]}"; do
  read -r name args <<<"$shot"
  # shellcheck disable=SC2086
  coproc probe_run { bash "$root/scripts/wine-run.sh" "$probe" $args 2>/dev/null; }
  if read -r -t 120 line <&"${probe_run[0]}" && [ "${line%$'\r'}" = ready ]; then
    xwd -root -silent | convert xwd:- -trim +repage -strip "png:$out/$name.png"
    echo "screenshots: $out/$name.png"
  else
    echo "screenshots: the probe did not show $name" >&2
  fi
  wait "$probe_run_PID" || true
done
