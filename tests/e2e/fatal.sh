#!/usr/bin/env bash
# Monitors of different resolutions: the resolution message, and once it is confirmed the
# program ends with status 0 without ever showing the board.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
install_site
"$site/zorvane" >"$artefacts/e2e-fatal.log" 2>&1 &
board=$!
box=$(wait_window "显示器分辨率...." 30) || fail "no resolution message"
import -window root "$artefacts/e2e-fatal-message.png"
xdotool search --onlyvisible --name "^电子显示牌....\$" >/dev/null && fail "board shown"
xdotool windowfocus --sync "$box" key Return 2>/dev/null || xdotool key Return
for _ in $(seq 30); do kill -0 "$board" 2>/dev/null || break; sleep 0.1; done
kill -0 "$board" 2>/dev/null && { kill "$board"; fail "still running after the message"; }
wait "$board"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: resolution message, then exit status 0"
