#!/bin/bash
# Opening a big template list with a screen reader attached: the list window on
# a virtual X display, the accessibility bus of a session of its own, and a
# listener on it that registers for every object event and looks at each (as
# a screen reader does). Prints each run and the median, fastest and slowest.
#
#   bench/templatelist/a11yopen.sh [ENTRIES [RUNS [BUILD]]]     (default 1000000 15 build)
#   PELLAX_A11Y=walk bench/templatelist/a11yopen.sh ...          the listener also reads the lists' children
#   PELLAX_A11Y=off bench/templatelist/a11yopen.sh ...           the same without the bus
#
# Needs xvfb-run, dbus-run-session, at-spi2-core and python3-pyatspi (for its Atspi bindings).
set -euo pipefail

entries=${1:-1000000}
runs=${2:-15}
build=${3:-build}
here=$(cd "$(dirname "$0")" && pwd)
probe=$(realpath "$build/bench/templatelist/pellax_probe_a11yopen")
out=$(mktemp)
trap 'rm -f "$out"' EXIT

if [ "${PELLAX_A11Y:-on}" = off ]; then
    QT_ACCESSIBILITY=0 xvfb-run -a "$probe" "$entries" "$runs" | tee "$out"
else
    dbus-run-session -- bash -c '
        set -e
        launcher= listener=
        # However the run ends, a failing probe included: the listener and the bus go with it.
        stop() {
            kill $listener $launcher 2>/dev/null || true
            wait $listener $launcher 2>/dev/null || true
        }
        trap stop EXIT
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        launcher=$!
        sleep 1
        /usr/bin/python3 "$1/a11ylistener.py" $5 &
        listener=$!
        sleep 2
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$2" "$3" "$4"
    ' _ "$here" "$probe" "$entries" "$runs" "$([ "${PELLAX_A11Y:-on}" = walk ] && echo --walk)" | tee "$out"
fi

# Median (the middle run, or the mean of the two middle ones), fastest and slowest of a column.
summary() {
    awk -v col="$1" '/^open_ms/ { print $col }' "$out" | sort -g | awk -v what="$2" '
        { v[NR] = $1 }
        END {
            if (NR == 0) { print "no runs"; exit 1 }
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%s: median %.1f ms, fastest %.1f, slowest %.1f (%d runs)\n", what, m, v[1], v[NR], NR
        }'
}
summary 2 open
summary 4 "stall after"
