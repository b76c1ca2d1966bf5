#!/usr/bin/env bash
# The session launcher, with a stand-in board and a stand-in systemctl: it hands the board to
# systemd when there is a user manager, and otherwise restarts it itself by the unit's rules
# (again after a crash or an error status, not after status 0, not beyond 5 failures a minute)
# and never runs two boards.   launcher.sh <packaging source folder>
set -u
source_folder=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$work/opt" "$work/bin" "$work/run"
cp "$source_folder/zorvane-session" "$work/opt/"
export XDG_RUNTIME_DIR=$work/run PATH=$work/bin:$PATH
runs=$work/runs

# The board stand-in takes its exit from the next line of $work/exits ("crash" kills it).
cat >"$work/opt/zorvane" <<'BOARD'
#!/bin/sh
work=$(dirname "$(dirname "$0")")
echo run >>"$work/runs"
[ -e "$work/hold" ] && while [ -e "$work/hold" ]; do sleep 0.05; done
n=$(wc -l <"$work/runs")
how=$(sed -n "${n}p" "$work/exits")
[ "$how" = crash ] && kill -SEGV $$
exit "${how:-1}"
BOARD
chmod +x "$work/opt/zorvane"
launch() { timeout 60 "$work/opt/zorvane-session" 2>>"$work/log"; }
count() { [ -e "$runs" ] && wc -l <"$runs" || echo 0; }

no_systemd() { printf '#!/bin/sh\nexit 1\n' >"$work/bin/systemctl"; chmod +x "$work/bin/systemctl"; }
no_systemd

# Without systemd: a crash and an error status bring the board back; status 0 ends it.
printf 'crash\n3\n0\n' >"$work/exits"
launch
status=$?
[ "$status" -eq 0 ] && [ "$(count)" -eq 3 ] || fail "crash, error, exit: status $status, $(count) runs"

# A board that fails at every start is given up after five starts.
rm -f "$runs"
: >"$work/exits"
launch
status=$?
[ "$status" -eq 1 ] && [ "$(count)" -eq 5 ] || fail "always failing: status $status, $(count) runs"
grep -q "failed 5 times" "$work/log" || fail "giving up is not reported"

# A second start while the board runs starts no second board.
rm -f "$runs"
printf '0\n' >"$work/exits"
touch "$work/hold"
launch &
first=$!
for _ in $(seq 50); do [ "$(count)" -eq 1 ] && break; sleep 0.1; done
launch
status=$?
[ "$status" -eq 0 ] && [ "$(count)" -eq 1 ] || fail "second start: status $status, $(count) runs"
rm "$work/hold"
wait "$first" || fail "first launcher ended with an error"

# With a user manager the board is its unit: the display is handed over and the unit started
# (after a reload when the manager had not seen the unit yet); the launcher runs no board.
cat >"$work/bin/systemctl" <<'SYSTEMCTL'
#!/bin/sh
echo "$*" >>"$XDG_RUNTIME_DIR/systemctl"
case "$*" in
    "--user start zorvane.service") [ -e "$XDG_RUNTIME_DIR/reloaded" ] ;;
    "--user daemon-reload") touch "$XDG_RUNTIME_DIR/reloaded" ;;
esac
SYSTEMCTL
rm -f "$runs"
DISPLAY=:7 launch
status=$?
expected="--user show-environment
--user import-environment DISPLAY XAUTHORITY
--user reset-failed zorvane.service
--user start zorvane.service
--user daemon-reload
--user start zorvane.service"
[ "$status" -eq 0 ] || fail "with systemd: status $status"
[ "$(cat "$work/run/systemctl")" = "$expected" ] || fail "with systemd: $(cat "$work/run/systemctl")"
[ "$(count)" -eq 0 ] || fail "with systemd the launcher ran the board itself"
echo "PASS: launcher restarts, gives up, runs one board, hands over to systemd"
