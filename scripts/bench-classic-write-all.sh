#!/usr/bin/env bash
# Times the classic Write All on the project of the ASP.NET Write All benchmark (500 master tables
# with 10 fields each and their default forms over 10 modules), beside `cp -r` of the tree it
# wrote (the goal: within 2x of the copy). Not part of CI. Builds in Release into a folder of its
# own. Usage: scripts/bench-classic-write-all.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench-classic-write-all}"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! scripts/build.sh "$build" --target bench_classic_write_all -DCMAKE_BUILD_TYPE=Release \
    "${launcher[@]}" >"$work/build.log" 2>&1; then
    cat "$work/build.log"
    exit 1
fi
"$build/bin/bench_classic_write_all" "$work/output/"
TIMEFORMAT='cp -r of the written tree: %3R s (%3U s user, %3S s sys)'
{ time cp -r "$work/output" "$work/copy"; } 2>&1
