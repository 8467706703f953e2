#!/usr/bin/env bash
# Builds the project-file fuzz target (clang, libFuzzer) and fuzzes the loader from the saved
# projects of tests/data/fuzz/seeds and the damaged files beside them.
#   fuzz.sh [-t seconds] [-r runs per process] [-j processes] [-c corpus folder]
# Defaults: 60 seconds, one process, a corpus in a temporary folder (removed afterwards).
# Crashes and leaks are written to build-fuzz as crash-* and leak-* files; the exit status is
# non-zero when one was found.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
runs=-1
jobs=1
corpus=""
while getopts "t:r:j:c:" option; do
    case "$option" in
        t) seconds="$OPTARG" ;;
        r) runs="$OPTARG" ;;
        j) jobs="$OPTARG" ;;
        c) corpus="$OPTARG" ;;
        *) exit 2 ;;
    esac
done
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEAVO_FUZZ=ON
fuzzer="$PWD/build-fuzz/bin/project_file_fuzzer"
artifacts="$PWD/build-fuzz/"
if [ -z "$corpus" ]; then
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    corpus="$scratch/corpus"
fi
mkdir -p "$corpus"
find tests/data/fuzz -name '*.wvt' -exec cp {} "$corpus" \;
# The loader writes and reads its files in the temp folder: memory is faster than disk.
if [ -d /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
cd "$(dirname "$corpus")"
"$fuzzer" -jobs="$jobs" -workers="$jobs" -runs="$runs" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus"
