#!/usr/bin/env bash
# The README's pictures of the three windows at other scale factors: for each
# factor (1.25 1.5 2 unless named), docs/scale-<factor>/{mainwindow,about,
# templatelist}.png, each a screenshot of a fresh Xvfb screen with openbox,
# cut to the windows on it. About is the first start's (over the editor), the
# template list one opened from a list of a few entries.
#
#   scripts/screenshots.sh [FACTOR...]        (needs xvfb-run, openbox, ImageMagick)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
pellax="$root/build/src/app/pellax"
[ -x "$pellax" ] || { echo "screenshots.sh: build the program first (make build)" >&2; exit 1; }
factors=("$@")
[ ${#factors[@]} -gt 0 ] || factors=(1.25 1.5 2)

if [ -z "${SCREENSHOTS_INSIDE:-}" ]; then
  export SCREENSHOTS_INSIDE=1
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "${factors[@]}"
fi

work=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
printf '"rush.got"\r\n"fresh.got"\r\n"two teams.got"\r\n' >"$work/template.lst"

# Starts the program with the arguments, waits for its windows to settle and
# takes the screen, cut to what is on it.
shot() {  # factor config-folder output args...
  local factor=$1 config=$2 output=$3
  shift 3
  XDG_CONFIG_HOME="$config" QT_SCALE_FACTOR="$factor" QT_QPA_PLATFORM=xcb "$pellax" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  import -window root "$work/screen.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  convert "$work/screen.png" -trim +repage "$output"
}

for factor in "${factors[@]}"; do
  out="$root/docs/scale-$factor"
  mkdir -p "$out"
  config="$work/config-$factor"
  mkdir -p "$config"
  shot "$factor" "$config" "$out/about.png"
  shot "$factor" "$config" "$out/mainwindow.png"
  shot "$factor" "$config" "$out/templatelist.png" "$work/template.lst"
  echo "docs/scale-$factor: done" >&2
done
