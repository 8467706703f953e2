#!/usr/bin/env bash
# A throw-away PostgreSQL 15 cluster for one test script. Source this file, then call
# pg_cluster_start: it runs initdb as the postgres user into a temporary folder, starts the
# server on a free loopback port and sets
#   PG_WORK  the temporary folder (removed afterwards)
#   PG_PORT  the server's port
#   PG_PSQL  an array running psql against the server as postgres
# The server is stopped and the folder removed when the script exits, also on failure. It runs
# as a child of the script, not as a daemon, so that a test runner that kills the script's
# processes at its time limit kills the server with them.
# pg_create_database <name> creates a database; pg_odbc_string <name> prints the connection
# string of the PostgreSQL ODBC driver for it; pg_run_written_script <name> <writer> has the
# writer write its project into $PG_WORK/project (it prints the script's path) and runs that
# script, stopping at the first error, in a new database of that name.

PG_BIN=/usr/lib/postgresql/15/bin
PG_WORK=
PG_PORT=
PG_PSQL=()
_pg_as_server=()
_pg_started=0
_pg_server=
# How long a started server may take to answer, for a busy machine.
_pg_ready_seconds=120

_pg_stop_server() {
    if [ -n "$_pg_server" ]; then
        "${_pg_as_server[@]}" "$PG_BIN/pg_ctl" -D "$PG_WORK/data" -m immediate stop >/dev/null 2>&1 ||
            kill -KILL "$_pg_server" 2>/dev/null || true
        wait "$_pg_server" 2>/dev/null || true
        _pg_server=
    fi
}

_pg_cleanup() {
    _pg_stop_server
    if [ -n "$PG_WORK" ]; then
        rm -rf "$PG_WORK"
    fi
}

pg_cluster_start() {
    PG_WORK=$(mktemp -d)
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres "$PG_WORK"
        chmod 755 "$PG_WORK"
        _pg_as_server=(runuser -u postgres --)
    fi
    trap _pg_cleanup EXIT
    trap 'exit 1' INT TERM

    "${_pg_as_server[@]}" "$PG_BIN/initdb" -D "$PG_WORK/data" -U postgres --auth=trust -E UTF8 \
        --locale=C >"$PG_WORK/initdb.log"

    # A free loopback port: one that nothing answers on and on which the server then starts.
    local _
    for _ in $(seq 20); do
        PG_PORT=$((20000 + RANDOM % 40000))
        if (exec 3<>"/dev/tcp/127.0.0.1/$PG_PORT") 2>/dev/null; then
            continue
        fi
        "${_pg_as_server[@]}" "$PG_BIN/postgres" -D "$PG_WORK/data" -p "$PG_PORT" -k "$PG_WORK" \
            -c listen_addresses=127.0.0.1 >>"$PG_WORK/server.log" 2>&1 </dev/null &
        _pg_server=$!
        for _ in $(seq $((_pg_ready_seconds * 10))); do
            if "$PG_BIN/pg_isready" -q -h 127.0.0.1 -p "$PG_PORT"; then
                _pg_started=1
                break
            fi
            # A port taken meanwhile ends the server; another port is tried.
            kill -0 "$_pg_server" 2>/dev/null || break
            sleep 0.1
        done
        if [ "$_pg_started" -eq 1 ]; then
            break
        fi
        _pg_stop_server
    done
    if [ "$_pg_started" -ne 1 ]; then
        echo "the PostgreSQL server did not start" >&2
        cat "$PG_WORK/server.log" >&2 || true
        exit 1
    fi
    PG_PSQL=("${_pg_as_server[@]}" "$PG_BIN/psql" -h 127.0.0.1 -p "$PG_PORT" -U postgres -X -q)
}

pg_create_database() {
    "${PG_PSQL[@]}" -d postgres -v ON_ERROR_STOP=1 -c "CREATE DATABASE \"$1\""
}

pg_odbc_string() {
    echo "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=$PG_PORT;Database=$1;Uid=postgres;"
}

pg_run_written_script() {
    local script
    script=$("$2" "$PG_WORK/project")
    chmod -R a+rX "$PG_WORK/project"
    pg_create_database "$1"
    "${PG_PSQL[@]}" -d "$1" -v ON_ERROR_STOP=1 -f "$script"
}
