#!/usr/bin/env bash
# Builds the deletion benchmark in Release into build-bench and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build-bench --target bench_delete -DCMAKE_BUILD_TYPE=Release -DWEAVO_BENCH=ON \
    -DWEAVO_BUILD_TESTS=OFF "$@"
build-bench/bin/bench_delete
