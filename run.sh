#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --program
scripts/build.sh build --target kestrane-weavo -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEAVO_BUILD_TESTS=OFF
exec build/bin/kestrane-weavo "$@"
