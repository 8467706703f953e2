#!/usr/bin/env bash
# Runs the classic Write All on a PostgreSQL project of two modules and its script on a
# throw-away PostgreSQL 15 cluster; the first module's table must refer to the second's.
# pg_write_all_test.sh <classic_pg_write_all executable>
set -euo pipefail
writer=$1
. "$(dirname "$0")/../scripts/pg_cluster.sh"
pg_cluster_start
pg_run_written_script shop "$writer"
psql=("${PG_PSQL[@]}")
references=$("${psql[@]}" -d shop -v ON_ERROR_STOP=1 -A -t <<'SQL'
SELECT tc.table_name || '->' || ccu.table_name
FROM information_schema.table_constraints tc
JOIN information_schema.constraint_column_usage ccu ON ccu.constraint_name = tc.constraint_name
WHERE tc.constraint_type = 'FOREIGN KEY';
SQL
)
[ "$references" = "order_head->customer" ] || {
    echo "foreign keys: $references" >&2
    exit 1
}
