#!/usr/bin/env bash
# Times the schema load (tables, columns and triggers into DbSchema, through unixODBC and the
# PostgreSQL ODBC driver) of a database of 500 tables with 10 columns each in a throw-away
# PostgreSQL 15 cluster, and the database pane's load of it beside a module of 500 tables with
# its table list filled, beside psql running over one connection one column query and one
# trigger query per table, the round trips the load cannot avoid; each the best of three (the
# goal: within 3x of psql). Not part of CI. Builds in Release into build-bench.
# Usage: scripts/bench-schema-load.sh [tables]
set -euo pipefail
cd "$(dirname "$0")/.."
tables="${1:-500}"
scripts/build.sh build-bench --target bench_schema_load -DCMAKE_BUILD_TYPE=Release \
    -DWEAVO_BENCH=ON -DWEAVO_BUILD_TESTS=OFF >/dev/null
. tests/scripts/pg_cluster.sh
pg_cluster_start
pg_create_database bench
psql=("${PG_PSQL[@]}" -d bench -v ON_ERROR_STOP=1)

# The tables, and SQL Server's sysobjects emulated with each table and one trigger of each.
{
    echo "CREATE SCHEMA dbo;"
    echo "CREATE TABLE dbo.sysobjects(name varchar(200), id int, type char(2), parent_obj int);"
    for i in $(seq -w 1 "$tables"); do
        echo "CREATE TABLE t$i(t${i}_id serial NOT NULL, is_deleted char(1) NOT NULL,"
        echo "  name varchar(50), note varchar(200), qty int, price numeric(10, 2),"
        echo "  joined timestamp, memo text, code char(5), total bigint);"
        echo "INSERT INTO dbo.sysobjects VALUES ('t$i', $((10#$i)), 'U', 0),"
        echo "  ('TR_t$i', $((10#$i + 100000)), 'TR', $((10#$i)));"
    done
    echo "ALTER DATABASE bench SET search_path = public, dbo;"
} >"$PG_WORK/schema.sql"
"${psql[@]}" -q -f "$PG_WORK/schema.sql" >/dev/null

for i in $(seq -w 1 "$tables"); do
    echo "SELECT column_name, data_type, character_maximum_length, is_nullable"
    echo "  FROM information_schema.columns WHERE table_name = 't$i' ORDER BY ordinal_position;"
    echo "SELECT name FROM sysobjects WHERE type = 'TR' and ((select id from sysobjects"
    echo "  WHERE name = 't$i') =  parent_obj);"
done >"$PG_WORK/queries.sql"

build-bench/bin/bench_schema_load "$(pg_odbc_string bench)" 3
best=""
for _ in 1 2 3; do
    start=$(date +%s.%N)
    "${psql[@]}" -q -f "$PG_WORK/queries.sql" >/dev/null
    took=$(echo "$(date +%s.%N) - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then
        best=$took
    fi
done
printf 'psql, %d column and %d trigger queries: %.3f s (best of 3)\n' "$tables" "$tables" "$best"
