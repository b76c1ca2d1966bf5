#!/usr/bin/env bash
# Lays out a demo installation as a hotel would install the board:
#   install-demo.sh <build folder> <installation folder>
set -euo pipefail
build=$(cd "$1" && pwd)
dest=$2
rm -rf "$dest"
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
port=${ZORVANE_WEATHER_PORT:-8088}
cp "$build/app/zorvane" "$dest/zorvane"
cp "$build/tools/weather-stub/weather-stub" "$dest/weather-stub"
QT_QPA_PLATFORM=offscreen "$build/tools/demo/zorvane-demo-pictures" "$dest" 2>/dev/null
"$build/tools/roomdb/roomdb" "$dest/Database.accdb" --samples
cat >"$dest/Params.ini" <<INI
[City]
Code=101270101
[connection]
constr=Provider=SQLite;Data Source=
basename=$dest
basepath=/Database.accdb
[PicAlong]
Along=0
[MoveShow]
Msg=温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！
[Weather]
Host=127.0.0.1:$port
INI
echo "Demo installation: $dest"
