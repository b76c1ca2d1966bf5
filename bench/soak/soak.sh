#!/usr/bin/env bash
# Soak run of the real board over 30 pictures of mixed sizes and formats, with the weather
# service failing in turn (refused, hanging, redirect, 500, garbage, bad UTF-8, a 10 MiB
# body, a slow drip) and answering well in between. Prints the resident memory over time
# and the longest stall of the tip line; it never fails on the figures themselves.
#   soak.sh <seconds>     (100 in the test command; 43200, twelve hours, is the equivalent
#                          of 72 hours of the board's work: 28,800 pictures shown)
# Runs on the current display; use tests/xvfb-run.sh bash bench/soak/soak.sh N without one.
set -u
seconds=${1:-100}
build=${ZORVANE_BUILD:-$(cd "$(dirname "$0")/../.." && pwd)/build}
artefacts=${ZORVANE_ARTEFACTS:-$build/artefacts}
mkdir -p "$artefacts"
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
site=$(mktemp -d)
port=${ZORVANE_WEATHER_PORT:-18188}
export ZORVANE_WEATHER_PORT=$port
stub=""
cleanup() { [ -n "$stub" ] && kill "$stub" 2>/dev/null; kill "${board:-}" 2>/dev/null; rm -rf "$site"; }
trap cleanup EXIT

bash "$root/tools/demo/install-demo.sh" "$build" "$site" >/dev/null || { echo "FAIL: install"; exit 1; }
cp "$build/bench/soak/zorvane-soak" "$site/"
# 30 pictures: three formats, sizes from small to larger than the screen.
i=0
for size in 320x240 800x600 1024x768 1280x720 1920x1080 2560x1440 3000x2000 640x960 1600x400 1000x1000; do
    for ext in jpg png bmp; do
        i=$((i + 1))
        convert -size "$size" "gradient:#$(printf '%02x' $((i * 8)))3060-#f0$(printf '%02x' $((255 - i * 7)))40" \
            -fill white -pointsize 48 -gravity center -annotate 0 "soak $i" "$site/images/soak$i.$ext"
    done
done

modes=(ok refused hang redirect ok 500 garbage ok not-utf8 big ok slow)
start_stub() {
    if [ -n "$stub" ]; then
        kill "$stub" 2>/dev/null
        wait "$stub" 2>/dev/null
    fi
    stub=""
    case "$1" in
        refused) return ;;
        slow) "$site/weather-stub" --port "$port" --mode ok --delay 4000 >/dev/null 2>&1 & ;;
        *) "$site/weather-stub" --port "$port" --mode "$1" >/dev/null 2>&1 & ;;
    esac
    stub=$!
}

start_stub ok
"$site/zorvane-soak" "$seconds" 10 >"$artefacts/soak.log" 2>"$artefacts/soak.err" &
board=$!
phase=0
elapsed=0
while kill -0 "$board" 2>/dev/null; do
    sleep 2
    elapsed=$((elapsed + 2))
    # Failures are reported in a box; staff would confirm it, so the soak does too.
    for w in $(xdotool search --onlyvisible --name '^电子显示牌....$' 2>/dev/null); do
        width=$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')
        [ "${width:-0}" -lt 1900 ] && xdotool windowfocus "$w" 2>/dev/null && xdotool key Return
    done
    if [ $((elapsed % 8)) -eq 0 ]; then
        phase=$(((phase + 1) % ${#modes[@]}))
        start_stub "${modes[$phase]}"
    fi
done
wait "$board"
status=$?
cat "$artefacts/soak.log"
awk '/^soak/ {
        split($3, r, "="); split($4, g, "="); n++
        if (n == 3) warm = r[2]
        last = r[2]; if (g[2] > gap) gap = g[2]
    }
    END {
        if (n < 3) { print "soak: too few reports"; exit }
        printf "soak summary: reports=%d rss_after_warmup_kb=%d rss_end_kb=%d growth_kb=%d longest_tip_gap_ms=%d\n",
            n, warm, last, last - warm, gap
    }' "$artefacts/soak.log"
if [ "$status" -ne 0 ]; then
    echo "FAIL: the board ended with status $status"
    exit 1
fi
echo "soak: no crash"
