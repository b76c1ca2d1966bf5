#!/usr/bin/env bash
# Runs a command on a private Xvfb server with two 1920x1080 RandR monitors side by side
# and a tray host, then stops them. Usage: xvfb-run.sh [--monitors N] command [args…]
set -u
monitors=2
if [ "${1:-}" = "--monitors" ]; then monitors=$2; shift 2; fi
width=$((1920 * monitors))
fdfile=$(mktemp)
exec 3>"$fdfile"
# -noreset keeps the monitors made with --setmonitor alive when the last client leaves.
Xvfb -displayfd 3 -screen 0 "${width}x1080x24" -noreset -nolisten tcp +extension RANDR \
    >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 400); do [ -s "$fdfile" ] && break; sleep 0.05; done
exec 3>&-
number=$(head -n1 "$fdfile")
rm -f "$fdfile"
if [ -z "$number" ]; then
    echo "xvfb-run.sh: Xvfb did not start" >&2
    kill "$xvfb_pid" 2>/dev/null
    exit 1
fi
display=":$number"
export DISPLAY=$display
cleanup() { kill "${tray_pid:-}" 2>/dev/null; kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT
if [ "$monitors" -ge 2 ]; then
    xrandr --setmonitor M0 1920/508x1080/286+0+0 screen >/dev/null 2>&1
    for i in $(seq 1 $((monitors - 1))); do
        size=1920x1080
        # A second monitor of another resolution, for the resolution check.
        [ "$i" = 1 ] && [ -n "${ZORVANE_SECOND_MONITOR:-}" ] && size=$ZORVANE_SECOND_MONITOR
        w=${size%x*}
        h=${size#*x}
        xrandr --setmonitor "M$i" "$w/508x$h/286+$((1920 * i))+0" none >/dev/null 2>&1
    done
fi
if command -v trayer >/dev/null && [ "${ZORVANE_NO_TRAY:-}" != 1 ]; then
    trayer --edge bottom --align left --widthtype pixel --width 120 --heighttype pixel \
        --height 32 --SetDockType true --transparent false >/dev/null 2>&1 &
    tray_pid=$!
    sleep 0.5
fi
"$@"
status=$?
exit $status
