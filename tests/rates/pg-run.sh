#!/usr/bin/env bash
# Runs a command against a throwaway PostgreSQL cluster: made with initdb under <workdir>,
# started on a free loopback port, stopped and removed at the end, also on failure.
# The command finds the server in ZORVANE_TEST_PG, a board connection string.
# Usage: pg-run.sh <workdir> <postgresql bin folder> command [args…]
set -u
workdir=$1 pgbin=$2
shift 2

# initdb refuses root, so the cluster belongs to the postgres account when we are root.
as_owner() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

mkdir -p "$workdir"
cluster=$(mktemp -d "$workdir/pgcluster.XXXXXX") || exit 1
[ "$(id -u)" = 0 ] && chown postgres: "$cluster"
data=$cluster/data
log=$cluster/server.log
started=0
cleanup() {
    if [ "$started" = 1 ]; then
        as_owner "$pgbin/pg_ctl" -D "$data" -m fast -w stop >/dev/null 2>&1 ||
            as_owner "$pgbin/pg_ctl" -D "$data" -m immediate stop >/dev/null 2>&1
    fi
    rm -rf "$cluster"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

password=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
printf '%s\n' "$password" >"$cluster/pwfile"
[ "$(id -u)" = 0 ] && chown postgres: "$cluster/pwfile"
if ! as_owner "$pgbin/initdb" -D "$data" -U board --pwfile="$cluster/pwfile" \
        -A scram-sha-256 -E UTF8 --no-locale >"$cluster/initdb.log" 2>&1; then
    cat "$cluster/initdb.log" >&2
    exit 1
fi

port_free() { ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
for _ in $(seq 20); do
    port=$((20000 + RANDOM % 30000))
    port_free "$port" || continue
    # No Unix socket: the cluster is reached on loopback only, like a central server.
    if as_owner "$pgbin/pg_ctl" -D "$data" -l "$log" -w -t 30 \
            -o "-p $port -c listen_addresses=127.0.0.1 -c unix_socket_directories=''" \
            start >/dev/null 2>&1; then
        started=1
        break
    fi
done
if [ "$started" != 1 ]; then
    echo "pg-run.sh: the PostgreSQL server did not start" >&2
    cat "$log" >&2 2>/dev/null
    exit 1
fi

export PGPASSWORD=$password
if ! "$pgbin/psql" -h 127.0.0.1 -p "$port" -U board -d postgres -q \
        -c "CREATE DATABASE rates" >/dev/null; then
    echo "pg-run.sh: cannot create the test database" >&2
    exit 1
fi
unset PGPASSWORD
export ZORVANE_TEST_PG="Provider=PostgreSQL;Host=127.0.0.1;Port=$port;Database=rates;User ID=board;Password=$password"
"$@"
