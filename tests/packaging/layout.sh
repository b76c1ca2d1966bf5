#!/usr/bin/env bash
# What the package installs, checked in a staging folder (DESTDIR) rather than on the
# system: the empty installation, the template the board can start from, and entries that
# name programs that are really installed.   layout.sh <build folder>
set -u
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$stage cmake --install "$build" >/dev/null || fail "cmake --install"
folder=$stage/opt/zorvane
for program in zorvane roomdb zorvane-session; do
    [ -x "$folder/$program" ] || fail "$program not installed as a program"
done
[ -d "$folder/images" ] && [ -d "$folder/box" ] || fail "images/ or box/ missing"
# An empty installation: the first start must find no database and no pictures of a demo.
left=$(cd "$folder" && find . -mindepth 1 ! -name zorvane ! -name roomdb ! -name zorvane-session \
    ! -name images ! -name box)
[ -z "$left" ] || fail "more than the empty installation: $left"

# The template gives the connection string "Provider=SQLite;Data Source=<folder>/Database.accdb".
template=$stage/usr/share/zorvane/Params.ini
for line in "constr=Provider=SQLite;Data Source=" "basepath=/Database.accdb" "Host=" \
    "[connection]" "[Weather]" "[City]" "[PicAlong]" "[MoveShow]"; do
    grep -qxF -- "$line" "$template" || fail "template lacks '$line'"
done

# Every entry starts a program that the package installs.
unit=$stage/usr/lib/systemd/user/zorvane.service
for entry in "$unit:ExecStart" "$stage/usr/share/applications/zorvane.desktop:Exec" \
    "$stage/etc/xdg/autostart/zorvane.desktop:Exec"; do
    file=${entry%:*}
    command=$(sed -n "s/^${entry##*:}=//p" "$file")
    [ -n "$command" ] && [ -x "$stage$command" ] || fail "$file starts '$command', not installed"
done
[ -f "$stage/usr/share/icons/hicolor/72x72/apps/zorvane.png" ] || fail "icon missing"

# systemd reads the unit without a complaint (it is pointed at the staged executable).
if command -v systemd-analyze >/dev/null; then
    mkdir "$stage/verify"
    sed "s|^ExecStart=/|ExecStart=$stage/|" "$unit" >"$stage/verify/zorvane.service"
    report=$(XDG_RUNTIME_DIR=$stage SYSTEMD_LOG_LEVEL=warning \
        systemd-analyze verify "$stage/verify/zorvane.service" 2>&1 |
        grep -v "graphical-session.target")
    [ -z "$report" ] || fail "systemd-analyze: $report"
fi
echo "PASS: staged layout, template, entries and unit"
