#!/usr/bin/env bash
# Configures and builds one build folder:
#   build.sh <folder> [--target <target>]... [extra cmake arguments...]
# Builds with one job per core, or with WEAVO_JOBS jobs when that is set.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"
shift
targets=()
while [ $# -gt 0 ] && [ "$1" = "--target" ]; do
    targets+=(--target "$2")
    shift 2
done
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir" --parallel "${WEAVO_JOBS:-$(nproc)}" "${targets[@]}"
