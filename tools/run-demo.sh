#!/usr/bin/env bash
# Sets up, builds, lays out the demo installation in demo/ and starts the board on it.
# With no display (say over SSH) it runs the board on a virtual one for a while and
# writes a screenshot instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/demo/install-demo.sh" "$root/build" "$root/demo"

if [ -n "${DISPLAY:-}" ]; then
    # The demo's weather comes from a local stub of the weather service.
    "$root/demo/weather-stub" --port 8088 >/dev/null 2>&1 &
    stub=$!
    trap 'kill $stub 2>/dev/null' EXIT
    "$root/demo/zorvane"
    exit 0
fi
mkdir -p "$root/out"
"$root/tests/xvfb-run.sh" bash "$root/tools/demo/screenshot.sh" "$root/demo" "$root/out"
echo
echo "No display here: the board ran on a virtual one with two monitors."
echo "Screenshot of the board (monitor 1): $root/out/demo-board.png"
echo "Screenshot of both monitors:         $root/out/demo-desktop.png"
