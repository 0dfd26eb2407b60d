#!/usr/bin/env bash
# The README's pictures of the windows: for each scale factor (1.25 1.5 2
# unless named), docs/scale-<factor>/<window>.png (docs/<window>.png for 1)
# for each window WINDOWS names (mainwindow about templatelist unless set),
# each a screenshot of a fresh Xvfb screen with openbox, cut to the windows on
# it. About is the first start's (over the editor), the template list one
# opened from a list of a few entries; triggers is the trigger window on a
# Greed trigger file, with a trigger typed at its end and the errors that Save
# then lists; allgamefields is that window alone, on a Greed game type whose
# variation value has no trigger file.
#
#   scripts/screenshots.sh [FACTOR...]        (needs xvfb-run, openbox, ImageMagick,
#   WINDOWS=triggers scripts/screenshots.sh 1 1.5     and xdotool for triggers and allgamefields)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
pellax="$root/build/src/app/pellax"
[ -x "$pellax" ] || { echo "screenshots.sh: build the program first (make build)" >&2; exit 1; }
factors=("$@")
[ ${#factors[@]} -gt 0 ] || factors=(1.25 1.5 2)
read -r -a windows <<<"${WINDOWS:-mainwindow about templatelist}"

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
mkdir -p "$work/mod/triggers"
"$root/build/src/tool/pellax-tool" got set --new "$work/greed.got" gametypename=Greed descripname= position=6 varnum=3 \
  Gametypesetting=3 varsetting=10120 resources=Medium Gametype=2 minerals=50
"$root/build/src/tool/pellax-tool" trg set "$work/mod/triggers/Greed5000.trg" - <<'EOF'
Trigger("All Players"){
Conditions:
	Accumulate("Current Player", At least, 5000, ore and gas);

Actions:
	Display Text Message(Always Display, "String 1");
	Victory();
}

//-----------------------------------------------------------------//

Trigger("All Players"){
Conditions:
	Command("Current Player", "Buildings", At most, 0);

Actions:
	Defeat();
}

//-----------------------------------------------------------------//

Trigger("All Players"){
Conditions:
	Always();

Actions:
	Leader Board Greed(5000);
	Preserve Trigger();
}
EOF

# Starts the program with the arguments, waits for its windows to settle, runs
# SHOT_INPUT (keys for the window in front) when set, and takes the screen,
# cut to what is on it; the window in front alone when SHOT_ACTIVE is set.
shot() {  # factor config-folder output args...
  local factor=$1 config=$2 output=$3
  shift 3
  XDG_CONFIG_HOME="$config" QT_SCALE_FACTOR="$factor" QT_QPA_PLATFORM=xcb "$pellax" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  if [ -n "${SHOT_INPUT:-}" ]; then
    eval "$SHOT_INPUT"
    sleep 1
  fi
  local window=root
  [ -n "${SHOT_ACTIVE:-}" ] && window=$(xdotool getactivewindow)
  import -window "$window" "$work/screen.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  convert "$work/screen.png" -trim +repage "$output"
}

# Types each line of the arguments, Return after each, then presses Ctrl+S.
type_lines() {
  local line
  for line in "$@"; do
    xdotool type --delay 15 "$line"
    xdotool key Return
  done
  xdotool key ctrl+s
}
triggers_input() {
  xdotool key ctrl+End Return
  type_lines 'Trigger("Force 1"){' 'Conditions:' 'Elapsed Time(At least, 600);' 'Actions:' \
    'Set Resources("Current Player", Add, 500, ore, 7);' 'Victroy();' '}'
}

for factor in "${factors[@]}"; do
  out="$root/docs/scale-$factor"
  [ "$factor" = 1 ] && out="$root/docs"
  mkdir -p "$out"
  config="$work/config-$factor"
  mkdir -p "$config"
  # The first start shows About, whether it is wanted or not.
  about="$work/about.png"
  [[ " ${windows[*]} " == *" about "* ]] && about="$out/about.png"
  shot "$factor" "$config" "$about"
  for window in "${windows[@]}"; do
    case $window in
    about) ;;
    mainwindow) shot "$factor" "$config" "$out/mainwindow.png" ;;
    templatelist) shot "$factor" "$config" "$out/templatelist.png" "$work/template.lst" ;;
    triggers)
      # A trigger typed at the end, with a slip in two of its lines, then Save.
      SHOT_INPUT=triggers_input shot "$factor" "$config" "$out/triggers.png" "$work/mod/triggers/Greed5000.trg" ;;
    allgamefields)
      # F10 opens the File menu on its first item; All game fields is the fourth.
      SHOT_INPUT='xdotool key F10; sleep 0.5; xdotool key Down Down Down Return' SHOT_ACTIVE=1 \
        shot "$factor" "$config" "$out/allgamefields.png" "$work/greed.got" ;;
    *) echo "screenshots.sh: no window \"$window\"" >&2; exit 1 ;;
    esac
  done
  echo "${out#"$root/"}: done" >&2
done
