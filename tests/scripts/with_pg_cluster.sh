#!/usr/bin/env bash
# Runs a command beside a throw-away PostgreSQL 15 cluster holding one empty database:
#   with_pg_cluster.sh <database> <command> [arguments...]
# The command finds the server through WEAVO_PG_PORT, WEAVO_PG_DATABASE and WEAVO_PG_ODBC (the
# PostgreSQL ODBC driver's connection string); the cluster is removed afterwards.
set -euo pipefail
. "$(dirname "$0")/pg_cluster.sh"
database=$1
shift
pg_cluster_start
pg_create_database "$database"
export WEAVO_PG_PORT=$PG_PORT WEAVO_PG_DATABASE=$database
WEAVO_PG_ODBC=$(pg_odbc_string "$database")
export WEAVO_PG_ODBC
"$@"
