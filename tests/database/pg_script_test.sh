#!/usr/bin/env bash
# Runs the sample project's PostgreSQL script on a throw-away PostgreSQL 15 cluster and compares
# the catalogue with the expected one.
# pg_script_test.sh <pg_sample_script executable> <expected catalogue>
set -euo pipefail
writer=$1
expected=$2
pgbin=/usr/lib/postgresql/15/bin

work=$(mktemp -d)
as_server=()
if [ "$(id -u)" -eq 0 ]; then
    chown postgres "$work"
    as_server=(runuser -u postgres --)
fi
started=0
cleanup() {
    if [ "$started" -eq 1 ]; then
        "${as_server[@]}" "$pgbin/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

"${as_server[@]}" "$pgbin/initdb" -D "$work/data" -U postgres --auth=trust -E UTF8 --locale=C \
    >"$work/initdb.log"

# A free loopback port: one that nothing answers on and on which the server then starts.
for _ in $(seq 20); do
    port=$((20000 + RANDOM % 40000))
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        continue
    fi
    if "${as_server[@]}" "$pgbin/pg_ctl" -D "$work/data" -l "$work/server.log" -w \
        -o "-p $port -k $work -c listen_addresses=127.0.0.1" start >/dev/null; then
        started=1
        break
    fi
done
if [ "$started" -ne 1 ]; then
    echo "the PostgreSQL server did not start" >&2
    cat "$work/server.log" >&2 || true
    exit 1
fi

script=$("$writer" "$work/project")
chmod -R a+rX "$work/project"
psql=("${as_server[@]}" "$pgbin/psql" -h 127.0.0.1 -p "$port" -U postgres -X -q)
"${psql[@]}" -d postgres -c "CREATE DATABASE sample"
"${psql[@]}" -d sample -v ON_ERROR_STOP=1 -f "$script"

# Tables and columns, keys with their columns and referenced columns, and the row that the
# defaults of customer make.
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
SQL

diff -u "$expected" "$work/catalogue.txt"
