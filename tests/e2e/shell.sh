#!/usr/bin/env bash
# Starts the board of a demo installation, checks where it stands and that it stays out of
# the taskbar, then ends it through its tray icon and menu.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
variant=${1:-two}
install_site
"$site/zorvane" >"$artefacts/e2e-$variant.log" 2>&1 &
board=$!

# The splash: on screen at once, out of the taskbar from its third stage (after 1 s) on.
splash=""
for _ in $(seq 50); do
    splash=$(xdotool search --onlyvisible --classname zorvane 2>/dev/null | while read -r w; do
        xdotool getwindowgeometry "$w" | grep -q "Geometry: 752x365" && echo "$w"; done | head -n1)
    [ -n "$splash" ] && break
    sleep 0.05
done
[ -n "$splash" ] || fail "no splash window"
sleep 1.6
xprop -id "$splash" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "splash in the taskbar"
import -window root "$artefacts/e2e-$variant-splash.png"

id=$(wait_window "电子显示牌...." 30) || fail "board window never appeared"
sleep 1.5
geometry=$(geometry_of "$id")
echo "board: $geometry"
# With one monitor the board stays on it; with two or more it goes to monitor 1.
expected="X=1920 Y=0 WIDTH=1920 HEIGHT=1080"
[ "$variant" = one ] && expected="X=0 Y=0 WIDTH=1920 HEIGHT=1080"
case "$geometry" in
    *"$expected"*) ;;
    *) fail "board does not cover its monitor: $geometry" ;;
esac
xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "board is in the taskbar"
import -window root "$artefacts/e2e-$variant-desktop.png"

# The tray icon is the board's window docked inside the tray host's panel.
panel=$(xdotool search --class trayer | while read -r w; do
    xwininfo -id "$w" | grep -q 'Map State: IsViewable' && echo "$w"; done | head -n1)
[ -n "$panel" ] || fail "no tray host"
icon=$(xwininfo -tree -id "$panel" | awk '/"zorvane"/ {print $1; exit}')
[ -n "$icon" ] || fail "no tray icon in the tray"
# With one monitor the full-screen board lies over the tray host; a desktop keeps its
# panel on top, here there is no window manager to do it.
xdotool windowraise "$panel"
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + 5)) $((Y + 5)) click 1
sleep 0.7
import -window root "$artefacts/e2e-$variant-menu.png"
# The menu opened on the press: the last item is "退出展示系统".
xdotool key Up
sleep 0.2
xdotool key Return
for _ in $(seq 20); do
    kill -0 "$board" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$board" 2>/dev/null; then
    kill "$board"
    fail "board still running 2 s after the exit command"
fi
wait "$board"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: board on monitor 1, tray exit with status 0"
