#!/usr/bin/env bash
# Runs a command beside a throw-away PostgreSQL 15 cluster holding one empty database:
#   with_pg_cluster.sh [--limit SECONDS] <database> <command> [arguments...]
# The command finds the server through WEAVO_PG_PORT, WEAVO_PG_DATABASE and WEAVO_PG_ODBC (the
# PostgreSQL ODBC driver's connection string); the cluster is removed afterwards. With a limit,
# a command still running after that many seconds is stopped (SIGTERM, then SIGKILL twenty
# seconds later) and the script says so; the limit is kept below the test runner's, which kills
# without a word. A SIGTERM or SIGINT to the script stops the command before the cluster goes.
set -euo pipefail
. "$(dirname "$0")/pg_cluster.sh"
limit=
if [ "${1:-}" = --limit ]; then
    limit=$2
    shift 2
fi
database=$1
shift
started=$SECONDS
pg_cluster_start
pg_create_database "$database"
export WEAVO_PG_PORT=$PG_PORT WEAVO_PG_DATABASE=$database
WEAVO_PG_ODBC=$(pg_odbc_string "$database")
export WEAVO_PG_ODBC

# Run in the background and waited for, so that a signal to the script is taken at once.
command_pid=
stop_command() {
    if [ -n "$command_pid" ]; then
        kill -TERM "$command_pid" 2>/dev/null || true
        wait "$command_pid" 2>/dev/null || true
    fi
}
trap 'stop_command; exit 1' INT TERM
if [ -n "$limit" ]; then
    left=$((limit - (SECONDS - started)))
    timeout --kill-after=20 $((left > 1 ? left : 1)) "$@" &
else
    "$@" &
fi
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
if [ -n "$limit" ] && { [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; }; then
    echo "$(basename "$1") was stopped after ${limit} s with its cluster, the limit of this test;" \
        "on a machine this busy it runs slower than the limit allows. The servers it started" \
        "were stopped." >&2
fi
exit "$status"
