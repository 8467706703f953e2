#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer) and fuzzes each in turn: the project-file loader from
# the saved projects of tests/data/fuzz/seeds and the damaged files beside them, and the C#
# parser from the C# files of tests/data (what Write All writes, and hand-written ones).
#   fuzz.sh [-t seconds per target] [-r runs per process] [-j processes]
#           [-c loader corpus folder] [-C parser corpus folder] [-f project|csharp]
# Defaults: 60 seconds, one process, both targets (-f picks one), corpora in a temporary folder
# (removed afterwards). Crashes and leaks are written to build-fuzz as crash-* and leak-* files
# (csharp-crash-*, csharp-leak-* and csharp-timeout-* for the parser); the exit status is
# non-zero when one was found.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
runs=-1
jobs=1
declare -A corpora=()
targets=(project csharp)
while getopts "t:r:j:c:C:f:" option; do
    case "$option" in
        t) seconds="$OPTARG" ;;
        r) runs="$OPTARG" ;;
        j) jobs="$OPTARG" ;;
        c) corpora[project]="$OPTARG" ;;
        C) corpora[csharp]="$OPTARG" ;;
        f) targets=("$OPTARG") ;;
        *) exit 2 ;;
    esac
done
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEAVO_FUZZ=ON
artifacts="$PWD/build-fuzz/"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# The loader writes and reads its files in the temp folder: memory is faster than disk.
if [ -d /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
for target in "${targets[@]}"; do
    corpus="${corpora[$target]:-$scratch/$target}"
    mkdir -p "$corpus"
    case "$target" in
        project)
            fuzzer="$PWD/build-fuzz/bin/project_file_fuzzer"
            prefix="$artifacts"
            options=()
            find tests/data/fuzz -name '*.wvt' -exec cp {} "$corpus" \;
            ;;
        csharp)
            fuzzer="$PWD/build-fuzz/bin/csharp_parser_fuzzer"
            prefix="${artifacts}csharp-"
            # The scanner reports each lexical error on the standard error stream. An input that
            # takes seconds is a fault: reported as a timeout rather than waited for.
            options=(-close_fd_mask=2 -timeout=10)
            find tests/data/gen_web tests/data/gen_reports -name '*.cs' -exec cp {} "$corpus" \;
            ;;
        *)
            echo "unknown fuzz target: $target" >&2
            exit 2
            ;;
    esac
    (cd "$(dirname "$corpus")" && "$fuzzer" -jobs="$jobs" -workers="$jobs" -runs="$runs" \
        -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$prefix" \
        "${options[@]}" "$corpus")
done
