#!/usr/bin/env bash
# Runs the board of an installation on the current (virtual) display for a while, takes
# screenshots of the desktop and of monitor 1, then ends the board.
#   screenshot.sh <installation folder> <output folder>
set -u
dest=$1
out=$2
"$dest/weather-stub" --port "${ZORVANE_WEATHER_PORT:-8088}" >/dev/null 2>&1 &
stub=$!
"$dest/zorvane" &
board=$!
# 3.9 s of splash, then the board; give the slideshow time for a first transition.
sleep "${ZORVANE_DEMO_SECONDS:-16}"
import -window root "$out/demo-desktop.png"
convert "$out/demo-desktop.png" -crop 1920x1080+1920+0 +repage "$out/demo-board.png"
kill "$board" 2>/dev/null
wait "$board" 2>/dev/null
kill "$stub" 2>/dev/null
exit 0
