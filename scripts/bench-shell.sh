#!/usr/bin/env bash
# Builds the main-window benchmark in Release into build-bench and runs it offscreen: the right
# pane switched between two editor views and the project tree rebuilt, with 5,000 tables open;
# then the three pages of the menu editor refilled beside the tree's rebuild, with 5,000 menus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build-bench --target bench_shell -DCMAKE_BUILD_TYPE=Release -DWEAVO_BENCH=ON \
    -DWEAVO_BUILD_TESTS=OFF "$@"
QT_QPA_PLATFORM=offscreen build-bench/bin/bench_shell
QT_QPA_PLATFORM=offscreen build-bench/bin/bench_shell menus
