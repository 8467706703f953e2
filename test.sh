#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug
# Each source compiles on its own too, syntax only (some three minutes of the cores).
scripts/check-includes.sh
ctest --test-dir build-test --output-on-failure --parallel "${WEAVO_JOBS:-$(nproc)}"
# The core and model suites again, under AddressSanitizer and UndefinedBehaviorSanitizer.
scripts/build.sh build-asan --target sanitize_tests -DCMAKE_BUILD_TYPE=Debug -DWEAVO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "${WEAVO_JOBS:-$(nproc)}" -L sanitize
# A minute each of fuzzing the project-file loader from saved projects and the C# parser from
# the C# files of the test data.
scripts/fuzz.sh -t 60
