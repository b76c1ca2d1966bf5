# Shared steps of the end-to-end scripts; they run on the display that xvfb-run.sh made.
set -u
build=${ZORVANE_BUILD:?}
artefacts=${ZORVANE_ARTEFACTS:?}
mkdir -p "$artefacts"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
site=$(mktemp -d)
stub=""
trap 'kill $stub 2>/dev/null; rm -rf "$site"' EXIT
export ZORVANE_WEATHER_PORT=${ZORVANE_WEATHER_PORT:-18088}

fail() { echo "FAIL: $*"; exit 1; }

install_site() {
    bash "$root/tools/demo/install-demo.sh" "$build" "$site" >/dev/null || fail "demo install"
    "$site/weather-stub" --port "$ZORVANE_WEATHER_PORT" >"$artefacts/weather-stub.log" 2>&1 &
    stub=$!
}

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

geometry_of() { xdotool getwindowgeometry --shell "$1" | tr '\n' ' '; }
