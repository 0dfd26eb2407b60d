#!/usr/bin/env bash
# The About window's pace idle and under load, in turns: ROUNDS rounds (15),
# each running pellax_bench_about_pace once idle and once loaded, the order
# swapped every round, then the median and the spread of each figure. Under
# X: run it inside a session (xvfb-run -a -s '-screen 0 1280x1024x24', with
# a window manager such as openbox started first), or let it start Xvfb and
# openbox itself when DISPLAY is unset.
#
#   bench/about/pace_under_load.sh [BUILD_DIR]
#
# ROUNDS and PELLAX_BENCH_PACE_SECONDS (5 here) change the length.
set -euo pipefail

build=${1:-build}
bench="$build/bench/about/pellax_bench_about_pace"
[ -x "$bench" ] || { echo "pace_under_load.sh: no pellax_bench_about_pace in $build" >&2; exit 1; }
bench=$(realpath "$bench")
rounds=${ROUNDS:-15}
export PELLAX_BENCH_PACE_SECONDS=${PELLAX_BENCH_PACE_SECONDS:-5}

if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "pace_under_load.sh: needs xvfb-run or a DISPLAY" >&2; exit 1; }
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi

out=$(mktemp -d)
wm=
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$out"
}
trap cleanup EXIT
if command -v openbox >/dev/null && ! pgrep -u "$(id -u)" -x openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
fi

run() {  # case round
  "$bench" --benchmark_filter="BM_Pace/loaded:$1/" --benchmark_format=json >"$out/$1-$2.json" 2>/dev/null
}
for ((i = 1; i <= rounds; i++)); do
  if ((i % 2)); then run 0 "$i"; run 1 "$i"; else run 1 "$i"; run 0 "$i"; fi
  echo "round $i of $rounds" >&2
done

python3 - "$out" <<'PY'
import json, pathlib, statistics, sys
rows = {0: [], 1: []}
for f in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    case = int(f.name.split("-")[0])
    for b in json.loads(f.read_text())["benchmarks"]:
        if "error_message" in b:
            sys.exit(f"{f.name}: {b['error_message']}")
        rows[case].append(b)
names = ["px_per_s", "positions_per_s", "panel_paints_per_s", "heading_paints_per_s", "cpu_percent"]
print(f"{'':22}{'idle: median [min-max]':>28}{'loaded: median [min-max]':>30}")
for n in names:
    cells = []
    for case in (0, 1):
        v = [r[n] for r in rows[case]]
        cells.append(f"{statistics.median(v):8.1f} [{min(v):.1f}-{max(v):.1f}]")
    print(f"{n:22}{cells[0]:>28}{cells[1]:>30}")
print(f"runs: {len(rows[0])} idle, {len(rows[1])} loaded, interleaved")
PY
