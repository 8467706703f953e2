#!/usr/bin/env bash
# Times the C# parser, one parser per file, over every .cs file of the tree that
# scripts/bench-write-all.sh writes (500 master tables with their default forms over 10 modules),
# beside `wc -w` over the same files (the goal: within 10x of wc). Not part of CI. Builds in
# Release into the build folder of bench-write-all.sh. Usage: scripts/bench-csharp-parser.sh
# [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench-write-all}"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! scripts/build.sh "$build" --target bench_write_all --target bench_csharp_parser \
    -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >"$work/build.log" 2>&1; then
    cat "$work/build.log"
    exit 1
fi
"$build/bin/bench_write_all" "$work/output/" >/dev/null
find "$work/output" -name '*.cs' >"$work/files.txt"
# Read once before timing, so that both sides find the files in the page cache.
xargs -d '\n' cat <"$work/files.txt" >/dev/null
echo "$(wc -l <"$work/files.txt") files, $(xargs -d '\n' cat <"$work/files.txt" | wc -c) bytes"
TIMEFORMAT='C# parser: %3R s (%3U s user, %3S s sys)'
time "$build/bin/bench_csharp_parser" "$work/files.txt"
TIMEFORMAT='wc -w: %3R s (%3U s user, %3S s sys)'
time xargs -d '\n' wc -w <"$work/files.txt" >/dev/null
