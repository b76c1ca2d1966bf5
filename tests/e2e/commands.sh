#!/usr/bin/env bash
# Every tray command as staff use it: the room-rate editor adds a rate to the database, the
# parameters dialog saves a tip text to Params.ini, the about box opens, and the exit
# command ends the board. Each dialog must open at monitor 0's top-left.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
install_site
"$site/zorvane" >"$artefacts/e2e-commands.log" 2>&1 &
board=$!
wait_window "电子显示牌...." 30 >/dev/null || fail "board window never appeared"
sleep 1

panel=$(xdotool search --class trayer | while read -r w; do
    xwininfo -id "$w" | grep -q 'Map State: IsViewable' && echo "$w"; done | head -n1)
icon=$(xwininfo -tree -id "$panel" | awk '/"zorvane"/ {print $1; exit}')
[ -n "$icon" ] || fail "no tray icon"

# Opens the tray menu and picks item $1 (1 = first) with the keyboard.
choose() {
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + 5)) $((Y + 5)) click 1
    sleep 0.5
    for _ in $(seq "$1"); do xdotool key Down; sleep 0.05; done
    xdotool key Return
}

# Clicks at (x, y) inside window $1.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

at_origin() {
    local geometry
    geometry=$(geometry_of "$1")
    case "$geometry" in *"X=0 Y=0 "*) ;; *) fail "$2 not at monitor 0's corner: $geometry" ;; esac
}

# 房价设置: confirm the fresh entry page, which adds 商务标间/SW.
choose 2
editor=$(wait_window "房价设置" 10) || fail "the room-rate editor did not open"
sleep 0.5
at_origin "$editor" "room-rate editor"
import -window root "$artefacts/e2e-editor.png"
click_in "$editor" 290 355
box=$(wait_window "数据校验...." 5) || box=""
import -window root "$artefacts/e2e-editor-confirmed.png"
xdotool key Return
sleep 0.5
click_in "$editor" 486 355
sleep 0.5
rows=$(sqlite3 "$site/Database.accdb" "select count(*) from Room where Code='SW' and Roomname='商务标间'")
[ "$rows" = 1 ] || fail "the added rate is not in the database (rows: $rows)"

# 参数设置: a new tip text, saved.
choose 3
params=$(wait_window "系统参数设置" 10) || fail "the parameters dialog did not open"
sleep 0.5
at_origin "$params" "parameters dialog"
click_in "$params" 200 142
xdotool key ctrl+a
xdotool type --delay 20 "Breakfast 6:30-10:00"
import -window root "$artefacts/e2e-params.png"
click_in "$params" 275 189
sleep 0.5
grep -q "^Msg=Breakfast 6:30-10:00" "$site/Params.ini" || fail "the tip text was not saved"

# 关于与技术帮助
choose 4
about=$(wait_window "关于产公司和技术帮助" 10) || fail "the about box did not open"
sleep 0.5
at_origin "$about" "about box"
import -window root "$artefacts/e2e-about.png"
click_in "$about" 600 200
xdotool key Escape
sleep 0.3
xdotool search --onlyvisible --name "^关于产公司和技术帮助$" >/dev/null && fail "the about box did not close"
sleep 0.5

# 退出展示系统
choose 5
for _ in $(seq 20); do kill -0 "$board" 2>/dev/null || break; sleep 0.1; done
kill -0 "$board" 2>/dev/null && { kill "$board"; fail "still running 2 s after the exit command"; }
wait "$board"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: editor, parameters, about box and exit through the tray"
