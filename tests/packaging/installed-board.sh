#!/usr/bin/env bash
# The package on this machine, as a hotel's IT person uses it: install the .deb, start the
# board from /opt/zorvane as an account of group zorvane with no database (the fatal
# database message), create the database with roomdb, start it again through the session
# launcher (the board on monitor 1), kill it (it comes back), then remove and purge the
# package and leave the machine as it was. Needs root; changes the system while it runs, so
# it is a manual step, not a ctest test:
#   tests/xvfb-run.sh bash tests/packaging/installed-board.sh <zorvane_….deb> <out folder> [weather-stub]
set -u
deb=$(readlink -f "${1:?the .deb}")
out=$(mkdir -p "${2:?an output folder}" && cd "$2" && pwd)
stub_program=${3:-}
folder=/opt/zorvane
account=zorvane-check
port=18391
stub=""

fail() { echo "FAIL: $*"; exit 1; }
step() { echo "-- $*"; }
[ "$(id -u)" -eq 0 ] || fail "run as root (dpkg -i)"
[ -n "${DISPLAY:-}" ] || fail "run under tests/xvfb-run.sh"
dpkg-query -W zorvane >/dev/null 2>&1 && fail "zorvane is installed already; this check would disturb it"
[ -e "$folder" ] && fail "$folder exists already"
id "$account" >/dev/null 2>&1 && fail "account $account exists already"

# Only processes this script started run under the check's own account.
stop_account() {
    local pids
    pids=$(pgrep -u "$account" 2>/dev/null) && kill -KILL $pids 2>/dev/null
    return 0
}

cleanup() {
    [ -n "${launcher:-}" ] && kill -KILL "$launcher" 2>/dev/null
    stop_account
    [ -n "$stub" ] && kill "$stub" 2>/dev/null
    userdel "$account" 2>/dev/null
    rm -f "$folder/Database.accdb" "$folder/images/lobby.jpg"
    dpkg-query -W zorvane >/dev/null 2>&1 && dpkg -P zorvane >/dev/null 2>&1
}
trap cleanup EXIT

as_account() { runuser -u "$account" -- env DISPLAY="$DISPLAY" HOME=/tmp "$@"; }
mode_of() { stat -c '%a %U:%G' "$1"; }
board_pids() { pgrep -u "$account" -x zorvane | tr '\n' ' '; }

# Waits up to $2 seconds for a mapped window whose name is $1; prints its id.
wait_window() {
    local name=$1 limit=$2 id
    for _ in $(seq $((limit * 10))); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

step "dpkg -i $(basename "$deb")"
dpkg -i "$deb" || fail "dpkg -i"
[ "$(mode_of $folder)" = "2775 root:zorvane" ] || fail "$folder is $(mode_of $folder)"
[ "$(mode_of $folder/images)" = "2775 root:zorvane" ] || fail "images/ is $(mode_of $folder/images)"
[ "$(mode_of $folder/Params.ini)" = "664 root:zorvane" ] || fail "Params.ini is $(mode_of $folder/Params.ini)"
[ -e "$folder/Database.accdb" ] && fail "the package brought a database"
[ -z "$(find $folder/images $folder/box -mindepth 1)" ] || fail "the package brought pictures"
ls -la "$folder"

step "an account of group zorvane starts the board with no database"
useradd --system --no-create-home --shell /usr/sbin/nologin --groups zorvane "$account" ||
    fail "useradd"
as_account "$folder/zorvane" >"$out/installed-fatal.log" 2>&1 &
board=$!
box=$(wait_window "数据文件缺失...." 30) || fail "no database message"
sleep 0.5
import -window root "$out/installed-no-database.png"
xdotool search --onlyvisible --name "^电子显示牌....\$" >/dev/null && fail "board shown"
xdotool windowfocus --sync "$box" key Return 2>/dev/null || xdotool key Return
for _ in $(seq 30); do kill -0 "$board" 2>/dev/null || break; sleep 0.1; done
kill -0 "$board" 2>/dev/null && fail "still running after the message"
wait "$board"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the message"
echo "database message shown; the board ended with status 0"

step "first configuration: roomdb as the account, the weather host in Params.ini"
as_account "$folder/roomdb" "$folder/Database.accdb" || fail "roomdb"
mode_of "$folder/Database.accdb"
if [ -n "$stub_program" ]; then
    "$stub_program" --port "$port" >"$out/installed-weather-stub.log" 2>&1 &
    stub=$!
    as_account sed -i "s/^Host=.*/Host=127.0.0.1:$port/" "$folder/Params.ini" ||
        fail "the account cannot edit Params.ini"
fi

step "the session launcher starts the board"
as_account "$folder/zorvane-session" >"$out/installed-session.log" 2>&1 &
launcher=$!
# images/ is still empty: the slideshow says so once per start, then the board comes up.
warning=$(wait_window "Warning" 40) || fail "no warning about the empty images/"
sleep 0.5
import -window root "$out/installed-no-pictures.png"
xdotool windowfocus --sync "$warning" key Return 2>/dev/null || xdotool key Return
window=$(wait_window "电子显示牌...." 20) || fail "no board window"
sleep 8
import -window root "$out/installed-board.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "board window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$X" -eq 1920 ] || fail "board not on monitor 1"
grep -qx "basename=$folder" "$folder/Params.ini" || fail "basename not written"
echo "Params.ini after the start: $(mode_of $folder/Params.ini)"

step "a picture in images/; the board is killed and the launcher brings it back"
as_account convert -size 1280x720 gradient:'#1d4f91-#f2c14e' -gravity center -pointsize 96 \
    -fill white -annotate 0 'Zorvane' "$folder/images/lobby.jpg" || fail "the account cannot write images/"
first=$(board_pids)
kill -SEGV $first
for _ in $(seq 150); do
    now=$(board_pids)
    [ -n "$now" ] && [ "$now" != "$first" ] && break
    sleep 0.1
done
[ -n "$now" ] && [ "$now" != "$first" ] || fail "no new board after the kill"
sleep 2
window=$(wait_window "电子显示牌...." 20) || fail "no board window after the restart"
xdotool search --onlyvisible --name "^Warning\$" >/dev/null && fail "warning with a picture in images/"
# Past the first picture change (9 s after the creation), so the picture is on screen.
sleep 15
import -window root "$out/installed-board-restarted.png"
echo "board $first killed; board $now runs"
kill "$launcher" 2>/dev/null
stop_account
wait "$launcher" 2>/dev/null
launcher=""
cat "$out/installed-session.log"

step "dpkg -r keeps the hotel's files, dpkg -P removes the package's own"
rm -f "$folder/Database.accdb" "$folder/images/lobby.jpg"
userdel "$account"
dpkg -r zorvane || fail "dpkg -r"
ls -A "$folder"
[ -e "$folder/zorvane" ] && fail "executable left after dpkg -r"
[ -e "$folder/Params.ini" ] || fail "dpkg -r removed the settings"
dpkg -P zorvane || fail "dpkg -P"
[ -e "$folder" ] && fail "$folder left after purge"
getent group zorvane >/dev/null && fail "group left after purge"
[ -e /usr/lib/systemd/user/zorvane.service ] && fail "unit left"
dpkg-statoverride --list | grep -q "$folder" && fail "statoverride left"
echo "PASS: installed, database message, board, restart after a kill, removed and purged"
