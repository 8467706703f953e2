#!/usr/bin/env bash
# Runs the sample project's PostgreSQL script on a throw-away PostgreSQL 15 cluster and compares
# the catalogue with the expected one.
# pg_script_test.sh <pg_sample_script executable> <expected catalogue>
set -euo pipefail
writer=$1
expected=$2
. "$(dirname "$0")/../scripts/pg_cluster.sh"
pg_cluster_start
work=$PG_WORK

pg_run_written_script sample "$writer"
psql=("${PG_PSQL[@]}")

# Tables and columns, keys with their columns and referenced columns, the row that the
# defaults of customer make, the roles and the administrator account.
"${psql[@]}" -d sample -v ON_ERROR_STOP=1 -A -t -F '|' >"$work/catalogue.txt" <<'SQL'
SELECT table_name, column_name, data_type, character_maximum_length, numeric_precision,
       numeric_scale, is_nullable, column_default
FROM information_schema.columns WHERE table_schema = 'public'
ORDER BY table_name, ordinal_position;
SELECT tc.table_name, tc.constraint_name, tc.constraint_type, kcu.column_name,
       ccu.table_name, ccu.column_name
FROM information_schema.table_constraints tc
JOIN information_schema.key_column_usage kcu
  ON kcu.constraint_name = tc.constraint_name AND kcu.table_name = tc.table_name
LEFT JOIN information_schema.constraint_column_usage ccu
  ON ccu.constraint_name = tc.constraint_name AND tc.constraint_type = 'FOREIGN KEY'
WHERE tc.table_schema = 'public' AND tc.constraint_type IN ('PRIMARY KEY', 'FOREIGN KEY')
ORDER BY tc.table_name, tc.constraint_name;
INSERT INTO customer DEFAULT VALUES RETURNING customer_id, is_deleted, name, credit, joined, note;
SELECT personnel_role_id, role_no, role_name, is_deleted FROM personnel_role ORDER BY role_no;
SELECT username, password, personnel_role_id FROM useraccount;
SQL

diff -u "$expected" "$work/catalogue.txt"

# One live account per user name: a second live "admin" is refused, and taken once the first one
# is deleted.
account="INSERT INTO useraccount(username,password,personnel_role_id) VALUES('admin','',1)"
if "${psql[@]}" -d sample -v ON_ERROR_STOP=1 -q -c "$account" 2>/dev/null; then
    echo "a second live account named admin was stored"
    exit 1
fi
"${psql[@]}" -d sample -v ON_ERROR_STOP=1 -q \
    -c "UPDATE useraccount SET is_deleted = 'Y' WHERE username = 'admin'" -c "$account"
