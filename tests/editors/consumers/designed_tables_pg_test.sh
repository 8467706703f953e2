#!/usr/bin/env bash
# Runs the PostgreSQL script of the designed tables on a throw-away PostgreSQL 15 cluster and
# checks the tables and foreign keys it made.
# designed_tables_pg_test.sh <designed_tables_pg_script executable>
set -euo pipefail
writer=$1
. "$(dirname "$0")/../../scripts/pg_cluster.sh"
pg_cluster_start
pg_run_written_script library "$writer"
psql=("${PG_PSQL[@]}" -d library -v ON_ERROR_STOP=1)
tables=$("${psql[@]}" -A -t -c "SELECT string_agg(table_name, ',' ORDER BY table_name)
    FROM information_schema.tables WHERE table_schema = 'public'")
keys=$("${psql[@]}" -A -t -c "SELECT string_agg(tc.table_name || '>' || ccu.table_name, ','
    ORDER BY tc.table_name, ccu.table_name)
    FROM information_schema.table_constraints tc
    JOIN information_schema.constraint_column_usage ccu ON ccu.constraint_name = tc.constraint_name
    WHERE tc.constraint_type = 'FOREIGN KEY'")
echo "tables: $tables"
echo "foreign keys: $keys"
for table in author publisher book_basic book_detail; do
    [[ ",$tables," == *",$table,"* ]] || { echo "missing table $table" >&2; exit 1; }
done
for key in author\>publisher book_detail\>book_basic; do
    [[ ",$keys," == *",$key,"* ]] || { echo "missing foreign key $key" >&2; exit 1; }
done
